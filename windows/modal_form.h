#pragma once
// A side window shown modally that unloads itself: its unload step runs once and it is
// hidden, which ends its showing; it is deleted only after that, so code still running
// in the call chain never meets a deleted window.
#include <QDialog>
#include <QPointer>

#include "platform/dialogs.h"

class ModalForm : public QDialog {
    Q_OBJECT
public:
    explicit ModalForm(QWidget* parent = nullptr);

    virtual void Unload();
    bool IsUnloaded() const { return unloaded; }

    // Runs each time the window has come on screen.
    virtual void Form_Activate() {}
    // Runs once, when the window unloads.
    virtual void Form_Unload() {}

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;  // the close box unloads
    void reject() override;                        // Esc does what the close box does

private:
    bool unloaded = false;
};

// Loads a fresh window of the kind, shows it modally and returns once it has gone;
// a window hidden without being unloaded is unloaded all the same.
template <class Form>
void ShowModalForm() {
    auto* window = new Form();
    window->Form_Load();
    QPointer<Form> alive(window);
    platform::dialogs().ShowModal(*window);
    if (!alive) return;
    alive->Unload();
    alive->deleteLater();
}

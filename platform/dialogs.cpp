#include "platform/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

namespace platform {
namespace {

QString titleOrApp(const QString& title) { return title.isEmpty() ? AppTitle : title; }

class RealDialogs : public Dialogs {
public:
    Answer MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& title) override {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(titleOrApp(title));
        box.setTextFormat(Qt::PlainText);
        box.setText(text);
        switch (icon) {
            case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
            case Icon::Question: box.setIcon(QMessageBox::Question); break;
            case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
            case Icon::Information: box.setIcon(QMessageBox::Information); break;
            case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
        }
        if (buttons == Buttons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        const int result = box.exec();
        if (buttons == Buttons::YesNo) return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
        return Answer::OK;
    }

    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override {
        bool ok = false;
        const QString text = QInputDialog::getText(QApplication::activeWindow(), titleOrApp(title), prompt,
                                                   QLineEdit::Normal, defaultText, &ok);
        return ok ? text : QString();
    }

    QString OpenFile(const QString& title, const QString& folder, const QString& filter) override {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
    }

    void ShowModal(QDialog& window) override { window.exec(); }
};

Dialogs* current = nullptr;

}  // namespace

Dialogs& dialogs() {
    static RealDialogs real;
    return current ? *current : real;
}

void SetDialogs(Dialogs* replacement) { current = replacement; }

Answer ScriptedDialogs::MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& title) {
    shown.push_back({"MsgBox", text, titleOrApp(title), buttons, icon});
    Answer answer = buttons == Buttons::YesNo ? Answer::Yes : Answer::OK;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    return answer;
}

QString ScriptedDialogs::InputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    shown.push_back({"InputBox", prompt, titleOrApp(title), Buttons::OK, Icon::None});
    if (inputs.empty()) return defaultText;
    const QString text = inputs.front();
    inputs.pop_front();
    return text;
}

QString ScriptedDialogs::OpenFile(const QString& title, const QString&, const QString&) {
    shown.push_back({"OpenFile", title, title, Buttons::OK, Icon::None});
    if (files.empty()) return QString();
    const QString path = files.front();
    files.pop_front();
    return path;
}

void ScriptedDialogs::ShowModal(QDialog& window) {
    shown.push_back({"Modal", window.objectName(), window.windowTitle(), Buttons::OK, Icon::None});
    window.setAttribute(Qt::WA_ShowModal, false);
    window.show();
    QCoreApplication::processEvents();
    if (!modalScripts.empty()) {
        auto script = std::move(modalScripts.front());
        modalScripts.pop_front();
        script(window);
    }
    if (window.isVisible()) window.hide();
}

QStringList ScriptedDialogs::Texts() const {
    QStringList texts;
    for (const auto& box : shown) texts << box.text;
    return texts;
}

}  // namespace platform

#pragma once
#include <QString>
#include <deque>
#include <functional>
#include <vector>

class QDialog;

// Message boxes, input boxes, the file-open box and modal windows, all through
// one interface so that tests can answer them.
namespace platform {

enum class Buttons { OK, YesNo };
enum class Icon { None, Question, Exclamation, Information, Critical };
enum class Answer { OK, Yes, No };

// Boxes that give no title of their own show the application's title.
inline const QString AppTitle = QStringLiteral("OrvaneDravik3");

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer MsgBox(const QString& text, Buttons buttons = Buttons::OK, Icon icon = Icon::None,
                          const QString& title = QString()) = 0;
    // The typed text; the empty text when cancelled.
    virtual QString InputBox(const QString& prompt, const QString& title = QString(),
                             const QString& defaultText = QString()) = 0;
    // The chosen path; the empty text when cancelled.
    virtual QString OpenFile(const QString& title, const QString& folder, const QString& filter) = 0;
    // Shows a window modally and returns when it has closed.
    virtual void ShowModal(QDialog& window) = 0;
};

Dialogs& dialogs();
void SetDialogs(Dialogs* replacement);  // nullptr: the real boxes again

// For tests: answers come from queues, every box shown is recorded.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString kind;  // "MsgBox", "InputBox", "OpenFile", "Modal"
        QString text;  // the message, prompt, or the window's object name
        QString title;
        Buttons buttons = Buttons::OK;
        Icon icon = Icon::None;
    };

    Answer MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString OpenFile(const QString& title, const QString& folder, const QString& filter) override;
    void ShowModal(QDialog& window) override;

    std::deque<Answer> answers;     // for message boxes; empty queue answers OK / Yes
    std::deque<QString> inputs;     // for input boxes; empty queue answers the default text
    std::deque<QString> files;      // for the file-open box; empty queue cancels
    // Acts on a modal window while it is shown (click its buttons...). Without one,
    // the window is shown and closed again.
    std::deque<std::function<void(QDialog&)>> modalScripts;
    std::vector<Shown> shown;

    QStringList Texts() const;  // the texts of every box shown, in order
};

}  // namespace platform

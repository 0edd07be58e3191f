// Runs the real windows under an X server with a window manager and reads back, through xwininfo
// and xprop, where the window manager put them and what it lets the user do with them: the score
// pad beside the table in the same place every game and after a minimise, the end-of-game window
// exactly over the table, the set-up dialog, High Rollers, the high-score prompt and the help window
// where they belong, and fixed-size windows and message boxes that ask for no minimise or maximise
// and are offered no maximise. Saves screenshots into the folder given; exits with the number of
// failed checks.
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <functional>

#include "core/startup.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "table/frmMain.h"
#include "windows/frmAbout.h"
#include "windows/frmCongrats.h"
#include "windows/frmCustomizeSounds.h"
#include "windows/frmHighRollers.h"
#include "windows/frmMosk.h"
#include "windows/frmNewGame.h"
#include "windows/frmScorePad.h"
#include "windows/frmViewHRListYN.h"
#include "windows/frmWelcome.h"
#include "windows/help_viewer.h"
#include "windows/modal_form.h"

namespace {

QTextStream out(stdout);
int failures = 0;
QString shots;

void Check(bool ok, const QString& what) {
    out << (ok ? "ok    " : "FAIL  ") << what << Qt::endl;
    if (!ok) ++failures;
}

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

void Xdotool(const QString& command) { Run(QStringLiteral("xdotool"), command.split(QLatin1Char(' '))); }

// What the X server and the window manager say of a window.
struct XWindow {
    bool viewable = false;
    QRect inner;    // the client area on the screen
    QMargins frame; // _NET_FRAME_EXTENTS; none until the window manager has framed it
    bool framed = false;
    QStringList actions;       // _NET_WM_ALLOWED_ACTIONS, without the prefix
    QList<quint32> motif;      // _MOTIF_WM_HINTS: flags, functions, decorations, ...
    QSize minSize, maxSize;    // WM_NORMAL_HINTS
    QRect Outer() const { return inner.marginsAdded(frame); }
};

int Number(const QString& text, const QString& label) {
    const QRegularExpression pattern(QRegularExpression::escape(label) + QStringLiteral("\\s*(-?\\d+)"));
    const auto match = pattern.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

XWindow ReadX(const QWidget* window) {
    const QString id = QString::number(window->winId());
    XWindow x;
    const QString info = Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    x.viewable = info.contains(QStringLiteral("IsViewable"));
    x.inner = QRect(Number(info, QStringLiteral("Absolute upper-left X:")),
                    Number(info, QStringLiteral("Absolute upper-left Y:")), Number(info, QStringLiteral("Width:")),
                    Number(info, QStringLiteral("Height:")));
    const QString props = Run(QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS"),
                                                        QStringLiteral("_NET_WM_ALLOWED_ACTIONS"),
                                                        QStringLiteral("_MOTIF_WM_HINTS"), QStringLiteral("WM_NORMAL_HINTS")});
    for (const QString& line : props.split(QLatin1Char('\n'))) {
        const QString value = line.section(QStringLiteral(" = "), 1);
        if (line.startsWith(QStringLiteral("_NET_FRAME_EXTENTS")) && !value.isEmpty()) {
            const QStringList e = value.split(QStringLiteral(", "));
            if (e.size() == 4) {
                x.frame = QMargins(e[0].toInt(), e[2].toInt(), e[1].toInt(), e[3].toInt());
                x.framed = true;
            }
        } else if (line.startsWith(QStringLiteral("_NET_WM_ALLOWED_ACTIONS")) && !value.isEmpty()) {
            for (QString action : value.split(QStringLiteral(", ")))
                x.actions << action.remove(QStringLiteral("_NET_WM_ACTION_"));
        } else if (line.startsWith(QStringLiteral("_MOTIF_WM_HINTS")) && !value.isEmpty()) {
            for (const QString& field : value.split(QStringLiteral(", "))) x.motif << field.toUInt(nullptr, 16);
        } else if (line.contains(QStringLiteral("minimum size:"))) {
            const QStringList n = line.section(QLatin1Char(':'), 1).simplified().split(QLatin1Char(' '));
            x.minSize = QSize(n.value(0).toInt(), n.value(2).toInt());
        } else if (line.contains(QStringLiteral("maximum size:"))) {
            const QStringList n = line.section(QLatin1Char(':'), 1).simplified().split(QLatin1Char(' '));
            x.maxSize = QSize(n.value(0).toInt(), n.value(2).toInt());
        }
    }
    return x;
}

void Settle(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

// The window manager's replies may be slow on a busy machine: the waits below end as soon as the
// window is where they wait for it, and give up only after a generous bound.
constexpr int WindowManagerBound = 20000;

// Waits until the window manager has framed and shown the window and it has stopped moving.
XWindow WhenFramed(const QWidget* window) {
    QDeadlineTimer deadline(WindowManagerBound);
    XWindow last;
    while (!deadline.hasExpired()) {
        Settle(60);
        const XWindow now = ReadX(window);
        // Extents of nothing: the window manager has mapped the window but not yet put on its frame.
        if (now.viewable && now.framed && !now.frame.isNull() && now.inner == last.inner) return now;
        last = now;
    }
    return last;
}

// Waits until the window is off the screen; false if it is still up at the end.
bool WhenGone(const QWidget* window, int bound = WindowManagerBound) {
    QDeadlineTimer deadline(bound);
    while (!deadline.hasExpired() && ReadX(window).viewable) Settle(60);
    return !ReadX(window).viewable;
}

void Shot(const QString& name) {
    const QString path = shots + QLatin1Char('/') + name;
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    out << "screenshot: " << path << Qt::endl;
}

QString Text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// A window of fixed size offers no maximise: the window manager reads min = max; its Motif hints
// ask for neither a minimise nor a maximise button or function (window managers that follow them
// show only the title bar and the close box; openbox keeps the minimise of every window).
void CheckFixedWindowHints(const QString& name, const XWindow& x) {
    Check(x.minSize.isValid() && x.minSize == x.maxSize && x.minSize == x.inner.size(),
          name + QStringLiteral(": fixed size %1x%2").arg(x.inner.width()).arg(x.inner.height()));
    Check(!x.actions.contains(QStringLiteral("MAXIMIZE_HORZ")) && !x.actions.contains(QStringLiteral("MAXIMIZE_VERT")),
          name + QStringLiteral(": the window manager offers no maximise (") + x.actions.join(QLatin1Char(' ')) +
              QLatin1Char(')'));
    constexpr quint32 FunctionsGiven = 1, FuncAll = 1, FuncMinimize = 8, FuncMaximize = 16;
    constexpr quint32 DecorMinimize = 32, DecorMaximize = 64;
    const quint32 flags = x.motif.value(0), functions = x.motif.value(1), decorations = x.motif.value(2);
    Check((flags & FunctionsGiven) && !(functions & (FuncAll | FuncMinimize | FuncMaximize)) &&
              !(decorations & (DecorMinimize | DecorMaximize)),
          name + QStringLiteral(": Motif hints without minimise and maximise (flags %1 functions %2 decorations %3)")
                     .arg(flags).arg(functions).arg(decorations));
}

// Shows a modal window through `show`; once the window manager has framed it, `inspect` runs and
// the window is closed as its close box would.
void WithModal(const std::function<void()>& show, const std::function<void(QWidget&, const XWindow&)>& inspect) {
    auto* poll = new QTimer;
    poll->setInterval(50);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        poll->stop();
        const XWindow x = WhenFramed(modal);
        inspect(*modal, x);
        if (auto* form = qobject_cast<ModalForm*>(modal)) form->Unload();
        else if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(0);
    });
    poll->start();
    show();
    delete poll;
}

void RunChecks() {
    frmMain& main = MainForm();
    const XWindow table = WhenFramed(&main);
    Check(table.framed, QStringLiteral("the window manager frames the table: ") + Text(table.Outer()));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();

    // The set-up dialog, at its first showing: 1550 twips below the table's top.
    WithModal([] { ShowNewGameDialog(); },
              [&](QWidget& window, const XWindow& x) {
                  Check(x.Outer().top() == table.Outer().top() + platform::Px(1550),
                        QStringLiteral("the set-up dialog stands 1550 twips below the table's top: ") + Text(x.Outer()));
                  CheckFixedWindowHints(window.objectName(), x);
              });

    // The pad beside the table: right of it by 175 twips, 350 twips higher, by their outer frames.
    const QPoint padPlace(table.Outer().right() + 1 + platform::Px(175), table.Outer().top() - platform::Px(350));
    QList<QRect> pads;
    for (int game = 1; game <= 3; ++game) {
        DialogMessage = QStringLiteral("RestartGame");
        main.mnuNewGame_Click();
        const XWindow pad = WhenFramed(&ScorePad());
        pads << pad.Outer();
        Check(pad.Outer().topLeft() == padPlace, QStringLiteral("game %1: the score pad stands at %2 (wanted %3,%4)")
                                                     .arg(game).arg(Text(pad.Outer())).arg(padPlace.x()).arg(padPlace.y()));
        if (game == 1) {
            Shot(QStringLiteral("wm_score_pad.png"));
            CheckFixedWindowHints(QStringLiteral("score pad"), pad);
        }
    }

    // During a game the pad stays up when the window manager is asked to close it (openbox: Alt+F4).
    // Alt+F4 only once the pad has the keyboard: at the table it would ask to quit and wait for ever.
    ScorePad().activateWindow();
    for (QDeadlineTimer deadline(WindowManagerBound); !deadline.hasExpired() && !ScorePad().isActiveWindow();)
        Settle(50);
    const bool padActive = ScorePad().isActiveWindow();
    if (padActive) Xdotool(QStringLiteral("key alt+F4"));
    Settle(1000);
    Check(padActive && ReadX(&ScorePad()).viewable, QStringLiteral("the pad stays up when asked to close during a game"));

    // Minimised through the window manager, as the user does: the table hears of it, and hides the
    // pad, only once the window manager has taken it down. Asked by the program, the pad's hiding and
    // the restore raced the window manager's minimise, which then kept the table or the pad down.
    Xdotool(QStringLiteral("windowminimize %1").arg(main.winId()));
    Check(WhenGone(&main), QStringLiteral("the window manager takes the table down"));
    Check(WhenGone(&ScorePad(), 5000), QStringLiteral("the pad goes down with the minimised table"));
    main.showNormal();
    const XWindow restored = WhenFramed(&ScorePad());
    Check(restored.Outer() == pads.first(),
          QStringLiteral("after a minimise the pad comes back at ") + Text(restored.Outer()));
    const XWindow tableAgain = WhenFramed(&main);
    Check(tableAgain.Outer() == table.Outer(), QStringLiteral("the table is back at ") + Text(tableAgain.Outer()));

    // The end-of-game window covers the table exactly.
    WinnerSeat = 0;
    SoundOff = true;
    WithModal([] { ShowCongratsWindow(); },
              [&](QWidget& window, const XWindow& x) {
                  Check(x.Outer() == tableAgain.Outer() && x.inner == tableAgain.inner,
                        QStringLiteral("the end-of-game window at %1 (inner %2) covers the table at %3 (inner %4)")
                            .arg(Text(x.Outer()), Text(x.inner), Text(tableAgain.Outer()), Text(tableAgain.inner)));
                  Settle(700);  // its half-second pause, then the picture
                  Shot(QStringLiteral("wm_end_of_game.png"));
                  CheckFixedWindowHints(window.objectName(), x);
              });
    DialogMessage.clear();

    const auto fixedWindow = [](const QString& name) {
        return [name](QWidget&, const XWindow& x) { CheckFixedWindowHints(name, x); };
    };
    WithModal([] { ShowAboutBox(); },
              [](QWidget& window, const XWindow& x) {
                  CheckFixedWindowHints(QStringLiteral("About box"), x);
                  WithModal([&] { static_cast<frmAbout&>(window).cmdMissYou_Click(); },
                            [](QWidget&, const XWindow&) {});
                  const XWindow back = WhenFramed(&window);
                  Check(back.Outer() == x.Outer(), QStringLiteral("the About box is back from the dedication at ") +
                                                       Text(back.Outer()) + QStringLiteral(", was ") + Text(x.Outer()));
              });
    WithModal([] { ShowHighRollers(); },
              [&](QWidget& window, const XWindow& x) {
                  Check(x.Outer().topLeft() == tableAgain.Outer().topLeft(),
                        QStringLiteral("High Rollers at the table's corner: ") + Text(x.Outer()));
                  CheckFixedWindowHints(window.objectName(), x);
              });
    WithModal([] { ShowCustomizeSounds(); }, fixedWindow(QStringLiteral("sound settings")));
    WithModal([] { ShowMoskWindow(); }, fixedWindow(QStringLiteral("dedication")));
    WithModal([] { ShowWelcomeWindow(); }, fixedWindow(QStringLiteral("welcome window")));
    DialogMessage = QStringLiteral("Player1\u00A41\u00A4turn");
    WithModal([] { ShowViewHighRollersPrompt(); },
              [&](QWidget& window, const XWindow& x) {
                  Check(qAbs(x.Outer().center().x() - tableAgain.Outer().center().x()) <= 1 &&
                            qAbs(x.Outer().center().y() - tableAgain.Outer().center().y()) <= 1,
                        QStringLiteral("the high-score prompt is centred over the table: ") + Text(x.Outer()));
                  CheckFixedWindowHints(window.objectName(), x);
              });
    DialogMessage.clear();
    WithModal(
        [] {
            platform::dialogs().MsgBox(QStringLiteral("Are you sure you want to quit the current game?"),
                                       platform::Buttons::YesNo, platform::Icon::Question, QStringLiteral("Quit?"));
        },
        [](QWidget&, const XWindow& x) { CheckFixedWindowHints(QStringLiteral("message box"), x); });
    WithModal([] { platform::dialogs().MsgBox(QStringLiteral("Original Sounds Restored.")); },
              [](QWidget&, const XWindow& x) { CheckFixedWindowHints(QStringLiteral("message box (OK)"), x); });

    // The help window opens over the table, not in the corner of the screen. Its frame, that of a
    // window the user may resize, is a few pixels deeper than the table's, which it is placed by.
    ShowHelpTopic(1);
    const XWindow help = WhenFramed(HelpViewerIfOpen());
    Check(qAbs(help.Outer().center().x() - tableAgain.Outer().center().x()) <= 3 &&
              qAbs(help.Outer().center().y() - tableAgain.Outer().center().y()) <= 3 && screen.contains(help.Outer()),
          QStringLiteral("the help window is centred over the table: ") + Text(help.Outer()));
    Shot(QStringLiteral("wm_help.png"));
    // Minimised, the help command brings it back where it was, and active.
    Xdotool(QStringLiteral("windowminimize %1").arg(HelpViewerIfOpen()->winId()));
    WhenGone(HelpViewerIfOpen());
    const QPoint menu = main.lblMnuHelp->mapTo(&main, QPoint(8, 8));  // the Help menu's label
    Xdotool(QStringLiteral("mousemove --window %1 %2 %3 click 1").arg(main.winId()).arg(menu.x()).arg(menu.y()));
    Settle(500);
    Xdotool(QStringLiteral("key s"));  // "Show Orvane Dravik 3 Help..."
    const XWindow helpBack = WhenFramed(HelpViewerIfOpen());
    for (QDeadlineTimer deadline(WindowManagerBound); !deadline.hasExpired() && !HelpViewerIfOpen()->isActiveWindow();)
        Settle(50);
    Check(helpBack.viewable && helpBack.Outer() == help.Outer() && HelpViewerIfOpen()->isActiveWindow(),
          QStringLiteral("the minimised help comes back active at ") + Text(helpBack.Outer()));
    CloseHelpViewer();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    shots = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(shots);
    InitResources();
    Main();
    QTimer::singleShot(0, [] {
        RunChecks();
        out << failures << " failed" << Qt::endl;
        QCoreApplication::exit(failures);
    });
    return app.exec();
}

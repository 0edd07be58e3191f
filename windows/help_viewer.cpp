#include "windows/help_viewer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/files.h"
#include "core/pushbutton.h"
#include "platform/folders.h"
#include "platform/placement.h"
#include "table/frmMain.h"

namespace {

QPointer<frmHelp> viewer;

const QString EmbeddedHelp = QStringLiteral("qrc:/help/ovd3.html");

}  // namespace

QUrl HelpTopicUrl(int topic) {
    const QString beside = platform::ProgramFolder() + QStringLiteral("ovd3.html");
    QUrl url = FileExists(beside) ? QUrl::fromLocalFile(beside) : QUrl(EmbeddedHelp);
    url.setFragment(QStringLiteral("topic%1").arg(topic));
    return url;
}

frmHelp::frmHelp() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Orvane Dravik 3 Help"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/ovd3.png")));
    resize(640, 600);

    cmdContents = new ButtonPlus(QStringLiteral("&Contents"), this);
    cmdBack = new ButtonPlus(QStringLiteral("&Back"), this);
    cmdForward = new ButtonPlus(QStringLiteral("&Forward"), this);
    cmdClose = new ButtonPlus(QStringLiteral("Close"), this);
    cmdBack->setEnabled(false);
    cmdForward->setEnabled(false);

    txtHelp = new QTextBrowser(this);
    txtHelp->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdContents);
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdForward);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(txtHelp, 1);

    connect(cmdContents, &QPushButton::clicked, this, [this] { ShowTopic(1); });
    connect(cmdBack, &QPushButton::clicked, txtHelp, &QTextBrowser::backward);
    connect(cmdForward, &QPushButton::clicked, txtHelp, &QTextBrowser::forward);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(txtHelp, &QTextBrowser::backwardAvailable, cmdBack, &QWidget::setEnabled);
    connect(txtHelp, &QTextBrowser::forwardAvailable, cmdForward, &QWidget::setEnabled);
}

void frmHelp::ShowTopic(int topic) {
    const QUrl url = HelpTopicUrl(topic);
    // Another document (a copy laid beside the program meanwhile) is loaded afresh.
    if (txtHelp->source().adjusted(QUrl::RemoveFragment) != url.adjusted(QUrl::RemoveFragment))
        txtHelp->clearHistory();
    txtHelp->setSource(url);
    txtHelp->scrollToAnchor(url.fragment());
}

void ShowHelpTopic(int topic) {
    if (!viewer) {
        viewer = new frmHelp();
        // Opens centred over the table, kept on the screen; later openings find it where it was left.
        if (const QWidget* main = MainFormIfLoaded()) {
            QRect outer = platform::OuterRect(viewer);
            outer.moveCenter(platform::OuterRect(main).center());
            if (const QScreen* screen = main->screen()) {
                const QRect area = screen->availableGeometry();
                outer.moveRight(qMin(outer.right(), area.right()));
                outer.moveBottom(qMin(outer.bottom(), area.bottom()));
                outer.moveLeft(qMax(outer.left(), area.left()));
                outer.moveTop(qMax(outer.top(), area.top()));
            }
            platform::MoveOuter(viewer, outer.topLeft());
        }
    }
    // Over a modal window (the welcome window) the viewer must take the input itself to be usable.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != viewer ? Qt::ApplicationModal : Qt::NonModal;
    if (viewer->windowModality() != wanted) {
        viewer->hide();
        viewer->setWindowModality(wanted);
    }
    // Restored when minimised; maximised or full-screen it stays so.
    viewer->setWindowState(viewer->windowState() & ~Qt::WindowMinimized);
    viewer->show();
    viewer->ShowTopic(topic);
    viewer->raise();
    viewer->activateWindow();
}

frmHelp* HelpViewerIfOpen() { return viewer; }

void CloseHelpViewer() {
    if (viewer) viewer->close();
}

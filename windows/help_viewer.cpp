#include "windows/help_viewer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

#include "core/pushbutton.h"
#include "platform/folders.h"
#include "platform/placement.h"
#include "platform/regular_file.h"
#include "table/frmMain.h"

namespace {

QPointer<frmHelp> viewer;

const QString EmbeddedHelp = QStringLiteral("qrc:/help/ovd3.html");
constexpr qint64 MaxHelpFileSize = 8 << 20;

}  // namespace

void HelpBrowser::ShowPage(const QUrl& url, const QByteArray& page) {
    const QUrl document = url.adjusted(QUrl::RemoveFragment);
    const QUrl shown = source().adjusted(QUrl::RemoveFragment);
    const QUrl local = url.isLocalFile() ? document : QUrl();
    if (shown != document || local != pageUrl || page != pageBytes) {
        pageUrl = local;
        pageBytes = page;
        clearHistory();
        if (shown == document) reload();
    }
    setSource(url);
    scrollToAnchor(url.fragment());
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (!name.isLocalFile()) return QTextBrowser::loadResource(type, name);
    if (name.adjusted(QUrl::RemoveFragment) == pageUrl) return pageBytes;
    const QByteArray bytes = platform::ReadRegularFile(name.toLocalFile(), MaxHelpFileSize).value_or(QByteArray());
    if (type != QTextDocument::ImageResource) return bytes;
    // Given no picture, the text layout would open the file by name itself: a blank one stands in.
    QImage picture = QImage::fromData(bytes);
    if (picture.isNull()) {
        picture = QImage(1, 1, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
    }
    return picture;
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

    txtHelp = new HelpBrowser(this);
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
    const QString beside = platform::BesideProgram(QStringLiteral("ovd3.html"));
    const std::optional<QByteArray> page = platform::ReadRegularFile(beside, MaxHelpFileSize);
    QUrl url = page ? QUrl::fromLocalFile(beside) : QUrl(EmbeddedHelp);
    url.setFragment(QStringLiteral("topic%1").arg(topic));
    txtHelp->ShowPage(url, page.value_or(QByteArray()));
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

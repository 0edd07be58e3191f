#pragma once
// The help viewer: the help document opened at a topic. The document is "ovd3.html" beside the program
// when it can be read as every other file is, else the copy built into the program. Topics are the
// anchors "topic<number>".
#include <QByteArray>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QPushButton;

// The help text. Local files (the page beside the program, pages it links to, their pictures) are read
// through the file layer, never opened by name; the page beside the program is the copy last read.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    // Shows url's document at its fragment; page holds its bytes when it is a local file. A changed
    // document is loaded afresh, without the history of the old one.
    void ShowPage(const QUrl& url, const QByteArray& page);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QUrl pageUrl;
    QByteArray pageBytes;
};

class frmHelp : public QWidget {
    Q_OBJECT
public:
    frmHelp();

    HelpBrowser* txtHelp = nullptr;
    QPushButton* cmdContents = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdForward = nullptr;
    QPushButton* cmdClose = nullptr;

    // Loads the document (again, should it have changed) and scrolls to the topic's anchor.
    void ShowTopic(int topic);
};

// Opens the help viewer at a topic; one viewer, brought to the front when already open.
void ShowHelpTopic(int topic);
frmHelp* HelpViewerIfOpen();
void CloseHelpViewer();

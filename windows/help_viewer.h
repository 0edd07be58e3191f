#pragma once
// The help viewer: the help document opened at a topic. The document is "ovd3.html" beside the program
// when there is one, else the copy built into the program. Topics are the anchors "topic<number>".
#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

class frmHelp : public QWidget {
    Q_OBJECT
public:
    frmHelp();

    QTextBrowser* txtHelp = nullptr;
    QPushButton* cmdContents = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdForward = nullptr;
    QPushButton* cmdClose = nullptr;

    // Loads the document (again, should it have changed) and scrolls to the topic's anchor.
    void ShowTopic(int topic);
};

// The document the viewer reads, at a topic.
QUrl HelpTopicUrl(int topic);

// Opens the help viewer at a topic; one viewer, brought to the front when already open.
void ShowHelpTopic(int topic);
frmHelp* HelpViewerIfOpen();
void CloseHelpViewer();

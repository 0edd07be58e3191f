#pragma once
// The About box: name, version, rights, the maker's links, two dice that sound, and the way to the
// credits, the dedication and the system information tool.
#include <QList>
#include <QString>

#include "windows/modal_form.h"

class QEventLoop;
class ButtonPlus;
namespace platform {
class Label;
class PictureBox;
}  // namespace platform

// The maker's web page and mail address.
extern const QString MakerWebAddress;
extern const QString MakerMailAddress;

// Registry root of the machine-wide keys.
constexpr quint32 HKEY_LOCAL_MACHINE = 0x80000002;

class frmAbout : public ModalForm {
    Q_OBJECT
public:
    frmAbout();

    platform::Label* Label3 = nullptr;         // "Orvane Software Presents"
    platform::Label* Label2 = nullptr;         // "Orvane Dravik 3"
    platform::Label* Label1 = nullptr;         // "Orvane Software"
    platform::Label* Label5 = nullptr;         // version
    platform::Label* Label4 = nullptr;         // copyright line
    platform::Label* lblDisclaimer = nullptr;  // rights notice
    platform::Label* lblURL = nullptr;
    platform::Label* lblMail = nullptr;
    platform::PictureBox* Picture1 = nullptr;  // several dice
    platform::PictureBox* Picture2 = nullptr;  // one die
    platform::PictureBox* imgHandPointer = nullptr;
    ButtonPlus* cmdOK = nullptr;
    ButtonPlus* cmdCredits = nullptr;
    ButtonPlus* cmdSysInfo = nullptr;
    ButtonPlus* cmdMissYou = nullptr;

    void Form_Load();
    void Form_Activate() override;
    void Form_Unload() override;
    void cmdOK_Click();
    void cmdCredits_Click();
    void cmdMissYou_Click();
    void cmdSysInfo_Click();
    void lblURL_Click();
    void lblMail_Click();
    void Picture1_Click();
    void Picture2_Click();

    // Starts the system information tool, or says that there is none.
    void StartSysInfo();
    // Reads a registry value into KeyVal; false (KeyVal empty) when the key or value cannot be read.
    bool GetKeyValue(quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);

    // Shows the box modally; hiding it for the dedication window does not end the showing.
    int exec() override;
    void Unload() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QEventLoop*> modalLoops;
};

// Loads a fresh About box and shows it modally.
void ShowAboutBox();

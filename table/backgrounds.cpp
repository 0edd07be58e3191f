// Background pictures and text colours: the swatches, the background list and
// what Save applies and stores.
#include <QDir>
#include <QListWidget>

#include "core/files.h"
#include "core/settings_store.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/folders.h"
#include "platform/regular_file.h"
#include "platform/resources.h"
#include "table/frmMain.h"
#include "table/label_colors.h"
#include "table/options_panel.h"

namespace {

struct BuiltInBackground {
    const char* name;
    int swatch;
};

// List entries 1 to 11; entry n is the file "2ovdsk<n>.jpg".
constexpr std::array<BuiltInBackground, BuiltInBackgrounds> BuiltIns{{
    {"Autumn", 3},
    {"Blonde Chick", 4},
    {"Blueprints", 4},
    {"Baby Seal", 7},
    {"Evergreen", 2},
    {"Nautical", 6},
    {"Old Glory", 1},
    {"Quacker", 6},
    {"Satin", 6},
    {"Strawberries", 3},
    {"Tobo Moose", 6},
}};

constexpr std::array<const char*, 8> SwatchTexts{"&H404040", "&HFF",     "&HFF00",     "&HFFFF",
                                                 "&HFF0000", "&HFF00FF", "&HFFFF80", "&HFFFFFF"};

// The picture file that list entry `entry` stands for; empty when there is none.
QString backgroundFileOf(const frmMain& form, int entry) {
    if (entry >= 1 && entry <= BuiltInBackgrounds) return BuiltInBackgroundPath(entry);
    if (entry < FirstUserBackground || entry >= form.lstSkin->count()) return {};
    const QString file = FindUserBackground(form.lstSkin->item(entry)->text());
    return file.isEmpty() ? QString() : UserBackgroundFolder() + file;
}

}  // namespace

QStringList BuiltInBackgroundNames() {
    QStringList names;
    for (const BuiltInBackground& background : BuiltIns) names << QLatin1String(background.name);
    return names;
}

QString BuiltInBackgroundPath(int number) { return TempDir + QStringLiteral("2ovdsk%1.jpg").arg(number); }

int BuiltInBackgroundSwatch(int entry) {
    if (entry >= 1 && entry <= BuiltInBackgrounds) return BuiltIns[entry - 1].swatch;
    return 0;
}

QString UserBackgroundFolder() { return platform::BesideProgram(QStringLiteral("Background/")); }

QStringList UserBackgroundFiles() {
    if (UserBackgroundFolder().isEmpty()) return {};  // QDir would take the working folder
    const QDir folder(UserBackgroundFolder());
    QStringList files = folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    // A link may lead to a pipe or a device, and a file may not be readable.
    files.removeIf([&](const QString& file) { return !platform::IsReadableRegularFile(folder.filePath(file)); });
    return files;
}

QString FindUserBackground(const QString& title) {
    // title.* matches the name with any extension, and the bare name too.
    for (const QString& file : UserBackgroundFiles())
        if (file == title || file.startsWith(title + u'.')) return file;
    return {};
}

int UserPictureSwatch(const QString& fileName) {
    if (fileName == QStringLiteral("Orvane.gif")) return 3;
    if (fileName == QStringLiteral("Hands.gif")) return 7;
    if (fileName == QStringLiteral("Clouds.jpg")) return 0;
    return -1;
}

QString SwatchText(int swatch) {
    return swatch >= 0 && swatch < int(SwatchTexts.size()) ? QLatin1String(SwatchTexts[swatch]) : QString();
}

int SwatchForColorText(const QString& text) {
    if (text == QString::number(0xFFFF80)) return 6;  // the decimal form start-up writes
    for (int swatch = 0; swatch < int(SwatchTexts.size()); ++swatch)
        if (text == QLatin1String(SwatchTexts[swatch])) return swatch;
    return -1;
}

bool ShowBackgroundFile(frmMain& form, const QString& path) {
    const QPixmap picture = platform::LoadPicture(path);
    if (picture.isNull()) return false;
    form.Image1->SetPicture(picture);
    return true;
}

void frmMain::lblColor_Click(Integer Index) {
    for (int i = 0; i < 8; ++i) lblColor[i]->SetCaption(i == Index ? QStringLiteral("\u00FC") : QString());
    PendingTextColor = SwatchText(Index);
    ApplyLabelColors(PendingTextColor);
}

void frmMain::lstSkin_Click() {
    if (FillingOptions) return;
    const int entry = SelectedRow(lstSkin);
    if (entry == 0) {
        Image1->ClearPicture();
        lblColor_Click(0);
    } else if (entry >= 1 && entry <= BuiltInBackgrounds) {
        // A picture that cannot be read changes nothing, the text colour included.
        if (ShowBackgroundFile(*this, BuiltInBackgroundPath(entry)))
            lblColor_Click(Integer(BuiltInBackgroundSwatch(entry)));
    } else if (entry >= FirstUserBackground) {
        const QString path = backgroundFileOf(*this, entry);
        if (!path.isEmpty() && ShowBackgroundFile(*this, path)) {
            const int swatch = UserPictureSwatch(GetFileName(path));
            if (swatch >= 0) lblColor_Click(Integer(swatch));
        }
    }
    RecolorExceptedLabels(this);
}

void frmMain::ApplyDisplayOptions() {
    for (int i = 0; i < 6; ++i) picMarker[i]->setVisible(SavedMarkerVisible[i] && MarkScorersOn);

    // A picture that cannot be read leaves the one showing, and the stored setting, as they were.
    const int entry = SelectedRow(lstSkin);
    if (entry == 0) {
        Image1->ClearPicture();
        NoteStored(WriteSetting(QStringLiteral("Background"), QStringLiteral("(None)")));
    } else if (const QString path = backgroundFileOf(*this, entry); !path.isEmpty()) {
        if (ShowBackgroundFile(*this, path)) NoteStored(WriteSetting(QStringLiteral("Background"), path));
    }

    ApplyLabelColors(PendingTextColor);
    CurTextColor = PendingTextColor;
    NoteStored(WriteSetting(QStringLiteral("TextColor"), CurTextColor));

    StoreListedDiceColor(*this);
    picSampleDice->hide();
    RedrawTurnDice(*this, DieColorBase);
    OptionsOpen = false;
}

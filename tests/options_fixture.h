#pragma once
// The started program with the options panel at hand: its settings file read
// line by line, pictures in the Background folder, and the panel's buttons.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>

#include "core/numeric.h"
#include "core/pushbutton.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/resources.h"
#include "support/fixtures.h"
#include "table/frmMain.h"
#include "table/options_panel.h"

class OptionsTest : public TableTest {
protected:
    void Open() { form().cmdOptions->click(); }
    void Save() { form().ARCmdSaveOptions->click(); }
    void Cancel() { form().ARCmdCancelOptions->click(); }

    // "Key=Value" lines of the settings file in file order; only those of these keys when given.
    QStringList IniLines(const QStringList& keys = {}) const {
        QFile file(IniPath());
        if (!file.open(QIODevice::ReadOnly)) return {};
        QStringList lines;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            const bool wanted = keys.isEmpty() || keys.contains(line.section(u'=', 0, 0));
            if (line != "[Info]" && wanted) lines << line;
        }
        return lines;
    }
    // Removes keys from the settings file, so that the next writes add them in their order.
    void DropKeys(const QStringList& keys) {
        QStringList kept;
        for (const QString& line : IniLines())
            if (!keys.contains(line.section(u'=', 0, 0))) kept << line;
        WriteIni(kept);
    }
    // A settings file that cannot be written.
    void BlockIni() {
        QFile::remove(IniPath());
        ASSERT_TRUE(QDir().mkpath(IniPath()));
    }

    // A picture this wide in the Background folder (PNG data under any name: pictures are
    // recognised by their content).
    void AddPicture(const QString& name, int width) {
        QDir().mkpath(ProgramDir() + "Background");
        QImage picture(width, 40, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        ASSERT_TRUE(picture.save(ProgramDir() + "Background/" + name, "PNG")) << name.toStdString();
    }
    // Width of the background picture showing, 0 for none.
    int BackgroundWidth() { return form().Image1->HasPicture() ? form().Image1->Picture().width() : 0; }

    // Index of the swatch with the tick, -1 when none has it.
    int Ticked() {
        for (int i = 0; i < 8; ++i)
            if (form().lblColor[i]->Caption() == QStringLiteral("\u00FC")) return i;
        return -1;
    }
    // Selects the nth entry of that text, as a click would.
    static void Choose(QListWidget* list, const QString& text, int nth = 0) {
        const auto items = list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_GT(items.size(), nth) << text.toStdString();
        list->setCurrentItem(items[nth]);
    }
    // True when a dice box shows that bitmap (0: no picture).
    static bool Shows(int box, int bitmap) {
        const platform::PictureBox* target = MainForm().Picture1[box];
        if (bitmap == 0) return !target->HasPicture();
        return target->Picture().cacheKey() == platform::LoadResBitmap(bitmap).cacheKey();
    }
};

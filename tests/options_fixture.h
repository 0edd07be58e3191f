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
#include "support/fixtures.h"
#include "table/frmMain.h"
#include "table/options_panel.h"

class OptionsTest : public TableTest {
protected:
    void Open() { form().cmdOptions->click(); }
    void Save() { form().ARCmdSaveOptions->click(); }
    void Cancel() { form().ARCmdCancelOptions->click(); }

    // "Key=Value" lines of the settings file, in file order.
    QStringList IniLines() const {
        QFile file(IniPath());
        if (!file.open(QIODevice::ReadOnly)) return {};
        QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        lines.removeAll(QStringLiteral("[Info]"));
        return lines;
    }
    // Removes keys from the settings file, so that the next writes add them in their order.
    void DropKeys(const QStringList& keys) {
        QStringList kept;
        for (const QString& line : IniLines())
            if (!keys.contains(line.section(u'=', 0, 0))) kept << line;
        WriteIni(kept);
    }
    // The lines of these keys, in file order.
    QStringList LinesOf(const QStringList& keys) const {
        QStringList found;
        for (const QString& line : IniLines())
            if (keys.contains(line.section(u'=', 0, 0))) found << line;
        return found;
    }

    // A picture of this width in the Background folder (PNG data under any name: pictures
    // are recognised by their content).
    void AddPicture(const QString& name, int width, const char* format = "PNG") {
        QDir().mkpath(ProgramDir() + "Background");
        QImage picture(width, 40, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        ASSERT_TRUE(picture.save(ProgramDir() + "Background/" + name, format)) << name.toStdString();
    }

    // Index of the swatch with the tick, -1 when none has it.
    int Ticked() {
        for (int i = 0; i < 8; ++i)
            if (form().lblColor[i]->Caption() == QStringLiteral("\u00FC")) return i;
        return -1;
    }
    QStringList SkinEntries() {
        QStringList entries;
        for (int i = 0; i < form().lstSkin->count(); ++i) entries << form().lstSkin->item(i)->text();
        return entries;
    }
    void ChooseSkin(const QString& entry) {
        const auto items = form().lstSkin->findItems(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_FALSE(items.isEmpty()) << entry.toStdString();
        form().lstSkin->setCurrentItem(items.first());
    }
    void ChooseDice(const QString& name) {
        const auto items = form().cboDiceColor->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(items.isEmpty()) << name.toStdString();
        form().cboDiceColor->setCurrentItem(items.first());
    }
    // Width of the background picture showing, 0 for none.
    int BackgroundWidth() { return form().Image1->HasPicture() ? form().Image1->Picture().width() : 0; }
};

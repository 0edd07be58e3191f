// The label colour rule of the main window.
#include <QSet>

#include "core/numeric.h"
#include "platform/controls.h"
#include "table/frmMain.h"

namespace {
// Labels with these captions (or none) stay navy whatever the text colour.
bool keepsNavy(const QString& caption) {
    static const QSet<QString> excepted{
        QStringLiteral("Background"), QStringLiteral("Dice"),          QStringLiteral("Text Color"),
        QStringLiteral("Speed"),      QStringLiteral("Misc."),         QStringLiteral("Sound Effects"),
        QStringLiteral("(Sample Dice)"), QStringLiteral("\u00FC"),     QString()};
    return excepted.contains(caption);
}
constexpr quint32 Navy = 0x800000;
}  // namespace

void frmMain::ApplyLabelColors(const QString& colorText) {
    const QColor chosen = ColorFromText(colorText);
    for (platform::Label* label : findChildren<platform::Label*>())
        label->SetForeColor(keepsNavy(label->Caption()) ? ColorFromNumber(Navy) : chosen);
}

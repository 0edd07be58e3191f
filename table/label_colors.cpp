// The label colour rule of the main window.
#include "table/label_colors.h"

#include <QSet>

#include "core/numeric.h"
#include "platform/controls.h"
#include "table/frmMain.h"

namespace {
constexpr quint32 Navy = 0x800000;
}

bool KeepsNavyCaption(const QString& caption) {
    static const QSet<QString> excepted{
        QStringLiteral("Background"),    QStringLiteral("Dice"),   QStringLiteral("Text Color"),
        QStringLiteral("Speed"),         QStringLiteral("Misc."),  QStringLiteral("Sound Effects"),
        QStringLiteral("(Sample Dice)"), QStringLiteral("\u00FC"), QString()};
    return excepted.contains(caption);
}

void RecolorExceptedLabels(QWidget* form) {
    for (platform::Label* label : form->findChildren<platform::Label*>())
        if (KeepsNavyCaption(label->Caption())) label->SetForeColor(ColorFromNumber(Navy));
}

void frmMain::ApplyLabelColors(const QString& colorText) {
    const QColor chosen = ColorFromText(colorText);
    for (platform::Label* label : findChildren<platform::Label*>())
        label->SetForeColor(KeepsNavyCaption(label->Caption()) ? ColorFromNumber(Navy) : chosen);
}

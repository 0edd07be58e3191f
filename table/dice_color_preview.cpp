// Dice colours in the options panel: the preview on a click of the colour list,
// the colour shown at opening, and what Save stores and redraws.
#include <QListWidget>

#include "core/numeric.h"
#include "core/settings_store.h"
#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/resources.h"
#include "table/dice_colors.h"
#include "table/frmMain.h"
#include "table/options_panel.h"

namespace {

// A box shows the face of a die in this colour base, or nothing for face 0.
void showFace(platform::PictureBox* box, int base, int face) {
    box->SetPicture(face == 0 ? QPixmap() : platform::LoadResBitmap(base + face));
    box->repaint();
}

}  // namespace

void PaintDiceSample(frmMain& form, quint32 back) {
    const QColor colour = ColorFromNumber(back);
    form.picTray1->SetBackColor(colour);
    form.picTray2->SetBackColor(colour);
    form.picSampleDice->SetBackColor(colour);
    for (int i = 0; i < 6; ++i) {
        form.Picture1[i]->SetBackColor(colour);
        form.Picture1[i]->SetPicture(platform::LoadResBitmap(DieColorBase + i + 1));
        form.Picture1[10 + i]->SetBackColor(colour);
    }
}

void PreviewListedDiceColor(frmMain& form) {
    const auto colour = DiceColorByName(SelectedText(form.cboDiceColor));
    if (!colour) return;
    platform::Yield();
    DieColorBase = colour->base;
    PaintDiceSample(form, colour->openingBack);
    platform::Yield();
}

void RedrawTurnDice(frmMain& form, int base) {
    for (int i = 0; i < 6; ++i) {
        platform::Yield();
        showFace(form.Picture1[i], base, TableFace[i]);
        showFace(form.Picture1[10 + i], base, TrayFace[i]);
    }
}

void StoreListedDiceColor(const frmMain& form) {
    const auto colour = DiceColorByName(SelectedText(form.cboDiceColor));
    if (!colour) return;
    Settings().SelectKey(QStringLiteral("DieColor"));
    NoteStored(Settings().WriteInteger(colour->base));
}

void frmMain::cboDiceColor_Click() {
    if (FillingOptions) return;
    const auto colour = DiceColorByName(SelectedText(cboDiceColor));
    if (!colour) return;
    DieColorBase = colour->base;
    PaintDiceSample(*this, colour->previewBack);
}

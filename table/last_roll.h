#pragma once
// The last-turn hint under the status line. While it shows, the status line stands
// 180 twips higher. Showing and hiding move the status line once each, so a game
// abandoned during its last turns does not leave the line raised for the next one.
#include "platform/controls.h"
#include "platform/twips.h"
#include "table/frmMain.h"

inline void ShowLastRollLine(frmMain& main) {
    if (!main.lblLastRoll->isHidden()) return;
    main.lblLastRoll->show();
    main.lblStatus->move(main.lblStatus->x(), main.lblStatus->y() - platform::Px(180));
}

inline void HideLastRollLine(frmMain& main) {
    if (main.lblLastRoll->isHidden()) return;
    main.lblLastRoll->hide();
    main.lblStatus->move(main.lblStatus->x(), main.lblStatus->y() + platform::Px(180));
}

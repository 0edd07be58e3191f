#pragma once
// The score pad beside the main window: one row per seat.
#include <QWidget>

class frmScorePad : public QWidget {
    Q_OBJECT
public:
    frmScorePad();
};

// Created and loaded at its first use; lives until the program ends.
frmScorePad& ScorePad();
frmScorePad* ScorePadIfLoaded();
void UnloadScorePad();  // for tests

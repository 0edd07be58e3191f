#include "windows/frmScorePad.h"

#include "platform/twips.h"

namespace {
frmScorePad* instance = nullptr;
}

frmScorePad::frmScorePad() {
    setObjectName(QStringLiteral("frmScorePad"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setWindowTitle(QStringLiteral("Score Pad"));
}

frmScorePad& ScorePad() {
    if (!instance) instance = new frmScorePad();
    return *instance;
}

frmScorePad* ScorePadIfLoaded() { return instance; }

void UnloadScorePad() {
    delete instance;
    instance = nullptr;
}

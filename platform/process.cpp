#include "platform/process.h"

#include <QDesktopServices>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {
std::function<void()>& replacement() {
    static std::function<void()> ending;
    return ending;
}
}  // namespace

void EndProgram() {
    if (replacement()) {
        replacement()();
        return;
    }
    std::fflush(nullptr);
    std::_Exit(0);
}

void SetEndProgram(std::function<void()> ending) { replacement() = std::move(ending); }

bool OpenWithDesktop(const QString& target) {
    QUrl url = QUrl::fromUserInput(target);
    if (target.contains('@') && !target.contains(':')) url = QUrl("mailto:" + target);
    return QDesktopServices::openUrl(url);
}

}  // namespace platform

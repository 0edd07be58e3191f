#include <QApplication>

#include "core/startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InitResources();
    Main();
    return app.exec();
}

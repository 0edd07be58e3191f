#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "core/startup.h"

int main(int argc, char** argv) {
    // Test discovery runs this program without the test environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "view/SurfaceFormat.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

// One QApplication for every GUI test; settings go to a throw-away test location.
int main(int argc, char** argv) {
    SetDefaultSurfaceFormat();
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

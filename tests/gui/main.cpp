#include <gtest/gtest.h>

#include <QApplication>

#include "archiver/LibLha32.h"

int main(int argc, char** argv) {
    // The window tests run on the offscreen platform unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window's archiver component needs the library, as at start-up.
    tolvane::LoadUnlha32(std::string(TOLVANE_BIN_DIR) + "/" + tolvane::kUnlha32FileName);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

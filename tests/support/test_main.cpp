#include "platform/ScratchDir.h"

#include <QApplication>

#include <gtest/gtest.h>

// Every test program gets a QApplication on the offscreen platform, an error
// sink that fails loudly if a test forgot to record errors, and its own
// scratch directory.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    ScratchDir::Session scratch;
    return RUN_ALL_TESTS();
}

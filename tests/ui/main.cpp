// GoogleTest inside a QApplication, so that widget tests have an event loop.
#include "EquityRun.h"

#include <QApplication>

#include <cstdlib>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // The page's equity runs end within a few polls; the sanitized build
    // plays a handful of blocks.
    SetEquityTrials(std::getenv("QUINTARA_SANITIZED") ? 8192 : 40000);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

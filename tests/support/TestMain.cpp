#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs with a QApplication so widgets, timers and queued
// events behave as in the program. The platform is offscreen unless a display
// is asked for explicitly.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

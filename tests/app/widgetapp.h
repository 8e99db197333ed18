#pragma once
// One QApplication for all widget tests of this executable, on the offscreen platform.

#include <QApplication>

inline QApplication &widgetApp()
{
    static int argc = 1;
    static char name[] = "app_tests";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication instance(argc, argv);
    return instance;
}

#pragma once
// One QApplication for all widget tests of this executable, on the offscreen platform. It is
// never destroyed: pictures cached for the windows must not outlive it at exit.

#include <QApplication>

inline QApplication &widgetApp()
{
    static QApplication *app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "help_tests";
        static char *argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

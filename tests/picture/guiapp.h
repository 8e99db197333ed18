#pragma once
// One QGuiApplication for the picture tests, on the offscreen platform; never destroyed, since
// cached renderers must not outlive it at exit.

#include <QGuiApplication>

inline QGuiApplication &guiApp()
{
    static QGuiApplication *app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "picture_tests";
        static char *argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    return *app;
}

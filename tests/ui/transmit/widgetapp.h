#pragma once
// One QApplication for the widget tests, on the offscreen platform.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace zuvo::test {

inline QApplication &widgetApp()
{
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "transmit_tests";
        static char *argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Makes sure no sound server can be found or started: an empty runtime directory, no server
// address, no autospawn. Must run before the first use of the audio devices.
inline void isolateFromSoundServer()
{
    static QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qunsetenv("PULSE_SERVER");
    const QString config = runtime.filePath(QStringLiteral("client.conf"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly))
        file.write("autospawn = no\n");
    qputenv("PULSE_CLIENTCONFIG", config.toLocal8Bit());
}

} // namespace zuvo::test

#pragma once
// The one application object of a test executable, on the offscreen platform unless the test
// script chose another, and the isolation from any sound server. The application is never
// destroyed: pictures and renderers cached for the windows must not outlive it at exit.

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

namespace zuvo::test {

// QApplication for widget tests, QGuiApplication for tests that only paint.
template<class Application> Application &offscreenApp()
{
    static Application *app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "zuvo_tests";
        static char *argv[] = {name, nullptr};
        return new Application(argc, argv);
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

#pragma once
// One QApplication for the widget tests, on the offscreen platform, kept away from any sound
// server so that a beep never needs a sound card.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace zuvo::sim::test {

inline QApplication &widgetApp()
{
    static QApplication *app = [] {
        static QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        qunsetenv("PULSE_SERVER");
        const QString config = runtime.filePath(QStringLiteral("client.conf"));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write("autospawn = no\n");
        qputenv("PULSE_CLIENTCONFIG", config.toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "sim_widget_tests";
        static char *argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

} // namespace zuvo::sim::test

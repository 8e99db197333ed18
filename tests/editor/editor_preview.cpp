// Shows the editor window at its design size, as the start screen's GO! opens it; used for
// screenshots under a virtual display. With --grab FILE it saves the window's own rendering
// after the first blink ticks and quits.

#include "editor/editorwindow.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    zuvo::EditorWindow window(10, {});
    window.show();
    const qsizetype grabAt = args.indexOf(QStringLiteral("--grab"));
    if (grabAt > 0 && grabAt + 1 < args.size()) {
        const QString file = args.at(grabAt + 1);
        QTimer::singleShot(700, &window, [&window, file] {
            window.grab().save(file);
            QApplication::quit();
        });
    }
    QObject::connect(&window, &zuvo::EditorWindow::left, &app, &QApplication::quit);
    return app.exec();
}

// Shows the editor window at its design size, as the start screen's GO! opens it; used for
// screenshots under a virtual display. With --grab FILE it saves the window's own rendering
// after the first blink ticks and quits. With --sample N it opens with sample set N, and with
// --simulate MS it checks that program, opens the simulator where the editor places it and runs it
// for MS simulated milliseconds; --play then lets it go on running.

#include "editor/editorwindow.h"
#include "simulator/simulatorwindow.h"

#include <QApplication>
#include <QTimer>

namespace {

int numberAfter(const QStringList &args, const QString &option, int fallback)
{
    const qsizetype at = args.indexOf(option);
    if (at < 0 || at + 1 >= args.size())
        return fallback;
    bool ok = false;
    const int value = args.at(at + 1).toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int sample = numberAfter(args, QStringLiteral("--sample"), 0);
    zuvo::EditorWindow window(sample >= 1 && sample <= 5 ? 10 + sample : 10, {});
    window.show();
    const qsizetype grabAt = args.indexOf(QStringLiteral("--grab"));
    if (grabAt > 0 && grabAt + 1 < args.size()) {
        const QString file = args.at(grabAt + 1);
        QTimer::singleShot(700, &window, [&window, file] {
            window.grab().save(file);
            QApplication::quit();
        });
    }
    const int ms = numberAfter(args, QStringLiteral("--simulate"), -1);
    if (ms >= 0) {
        const bool play = args.contains(QStringLiteral("--play"));
        QTimer::singleShot(300, &window, [&window, ms, play] {
            for (int i = 0; i < 3; ++i)
                window.session().RunGrammarCheck();
            window.openSimulator();
            if (zuvo::sim::SimulatorWindow *simulator = window.simulator()) {
                simulator->advance(ms);
                if (play)
                    simulator->play();
            }
        });
    }
    QObject::connect(&window, &zuvo::EditorWindow::left, &app, &QApplication::quit);
    return app.exec();
}

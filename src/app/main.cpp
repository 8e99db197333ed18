// Zuvomatic: programs a small two-motor robot with picture icons laid out as a flowchart.

#include "app/appcontroller.h"
#include "app/commandline.h"
#include "app/editorfactory.h"
#include "app/forcedend.h"
#include "app/instancelock.h"
#include "app/lazyiconstyle.h"
#include "art/artwork.h"
#include "common/qtjapanese.h"
#include "start/startscreen.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

int main(int argc, char *argv[])
{
    // --help and --version answer before anything needs a display or the instance lock.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto text = zuvo::InformationRequest(zuvo::CommandLineWords(arguments))) {
        std::fputs(text->toUtf8().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setStyle(new zuvo::LazyIconStyle);
    QApplication::setApplicationName(QStringLiteral("Zuvomatic"));
    QApplication::setApplicationVersion(QStringLiteral(ZUVOMATIC_VERSION));
    QApplication::setWindowIcon(zuvo::programIcon());
    // Question boxes and file dialogs in Japanese, whatever the system's locale.
    zuvo::InstallJapaneseQtTexts(app);
    // The windows take turns: between one hiding and the next showing none is on screen, and
    // that must not end the program. It ends only when the user asks.
    QApplication::setQuitOnLastWindowClosed(false);

    zuvo::InstanceLock lock;
    const zuvo::InstanceLock::State lockState = lock.Acquire();
    if (lockState == zuvo::InstanceLock::State::Refused) {
        QMessageBox refusal(QMessageBox::NoIcon, QStringLiteral("Zuvomatic"),
                            QStringLiteral("既に起動されています"), QMessageBox::Ok);
        refusal.exec();
        return 1;
    }

    const QStringList words = zuvo::CommandLineWords(QApplication::arguments());
    // A robot file the desktop opened the program with goes into the first editor only, which
    // starts at once as GO! starts it; Ghost and HexDisp stay the first and second words.
    QString pendingRobotFile = zuvo::ParseStartRequest(words).robotFile;
    const bool startWithFile = !pendingRobotFile.isEmpty();
    const auto makeEditor = [&pendingRobotFile](int editorStartMode, const QStringList &w) {
        QWidget *editor = zuvo::MakeEditorWindow(editorStartMode, w, pendingRobotFile);
        pendingRobotFile.clear();
        return editor;
    };
    zuvo::AppController controller(makeEditor, words);
    QObject::connect(&controller, &zuvo::AppController::ended, &app, &QApplication::quit);
    // SIGTERM, SIGHUP, SIGINT and the desktop's end of session keep the unsaved programs.
    zuvo::ForcedEnd forcedEnd(
        [&controller](bool ending) { zuvo::KeepEditorWork(controller.editor(), ending); },
        [&controller] { return controller.editor() != nullptr; });
    controller.Start();
    if (lockState == zuvo::InstanceLock::State::Unavailable)
        zuvo::ShowRunningWithoutLock(lock.problems());
    if (startWithFile)
        controller.startScreen()->Choose(0);
    return app.exec();
}

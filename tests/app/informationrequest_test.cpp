// "zuvomatic --help" and "--version": printed and ended before any window or lock.

#include "app/commandline.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zuvo;

TEST(InformationRequest, HelpAndVersionAnywhereOtherWordsNot)
{
    const QString version = QStringLiteral("zuvomatic " ZUVOMATIC_VERSION "\n");
    EXPECT_EQ(InformationRequest({QStringLiteral("--version")}), version);
    EXPECT_EQ(InformationRequest({QStringLiteral("-v")}), version);
    EXPECT_EQ(InformationRequest({QStringLiteral("Ghost"), QStringLiteral("--version")}), version);
    EXPECT_EQ(InformationRequest({QStringLiteral("--help")}), ProgramHelpText());
    EXPECT_EQ(InformationRequest({QStringLiteral("x.qvk"), QStringLiteral("-h")}),
              ProgramHelpText());

    // The switches, robot files, unknown words and Qt's own options ask for nothing; neither
    // does a single-dash word that merely holds an h or a v.
    for (const QStringList &words :
         QList<QStringList> {{},
                             {QStringLiteral("Ghost"), QStringLiteral("HexDisp")},
                             {QStringLiteral("robot.qvk")},
                             {QStringLiteral("--frobnicate")},
                             {QStringLiteral("-reverse")},
                             {QStringLiteral("-stylesheet"), QStringLiteral("a.qss")},
                             {QStringLiteral("-platform"), QStringLiteral("offscreen")},
                             {QStringLiteral("help")},
                             {QStringLiteral("version")}})
        EXPECT_FALSE(InformationRequest(words)) << words.join(u' ').toStdString();

    const QString help = ProgramHelpText();
    for (const char *word : {"Ghost", "HexDisp", ".qvk", "--help", "--version", "zuvomatic-cli"})
        EXPECT_TRUE(help.contains(QLatin1String(word))) << word;
}

#ifdef ZUVOMATIC_APP_PATH
TEST(InformationRequest, TheProgramPrintsWithoutADisplayOrTheLock)
{
    static int argc = 1;
    static char name[] = "app_tests";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        static QCoreApplication app(argc, argv);

    // No display at all, and a temporary folder of its own where the instance lock would go.
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(variable));
    environment.insert(QStringLiteral("TMPDIR"), temp.path());

    const auto start = [&](const QStringList &args) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ZUVOMATIC_APP_PATH), args);
        EXPECT_TRUE(process.waitForFinished(30000));
        return std::tuple {process.exitStatus(), process.exitCode(),
                           QString::fromUtf8(process.readAllStandardOutput()),
                           QString::fromUtf8(process.readAllStandardError())};
    };
    auto [status, code, out, err] = start({QStringLiteral("--version")});
    EXPECT_EQ(status, QProcess::NormalExit);
    EXPECT_EQ(code, 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("zuvomatic " ZUVOMATIC_VERSION "\n"));

    std::tie(status, code, out, err) = start({QStringLiteral("Ghost"), QStringLiteral("--help")});
    EXPECT_EQ(status, QProcess::NormalExit);
    EXPECT_EQ(code, 0) << err.toStdString();
    EXPECT_EQ(out, ProgramHelpText());
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();

    EXPECT_TRUE(QDir(temp.path()).isEmpty()) << "a lock file was left";
}
#endif

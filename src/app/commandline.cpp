#include "app/commandline.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace zuvo {

QStringList SplitCommandLine(const QString &commandLine)
{
    if (commandLine.isEmpty())
        return {};
    return commandLine.split(QLatin1Char(' '), Qt::KeepEmptyParts);
}

QStringList CommandLineWords(const QStringList &arguments)
{
    return arguments.mid(1);
}

CommandLineSwitches ParseCommandLine(const QStringList &words)
{
    CommandLineSwitches switches;
    for (int i = 0; i < qMin<qsizetype>(2, words.size()); ++i) {
        if (words.at(i) == QLatin1String("Ghost"))
            switches.Ghost = true;
        if (words.at(i) == QLatin1String("HexDisp"))
            switches.HexDisp = true;
    }
    return switches;
}

StartRequest ParseStartRequest(const QStringList &words)
{
    StartRequest request;
    request.switches = ParseCommandLine(words);
    for (const QString &word : words) {
        if (word.endsWith(QLatin1String(".qvk"), Qt::CaseInsensitive)
            || word.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
            request.robotFile = QFileInfo(word).absoluteFilePath();
            break;
        }
    }
    return request;
}

std::optional<QString> InformationRequest(const QStringList &words)
{
    QCommandLineParser parser;
    // "-reverse" or "-stylesheet" (Qt's own options) are whole words, never "-v" or "-h" in a
    // row of single letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    // Unknown words make the parse fail, but the known options are still recorded.
    parser.parse(QStringList {QStringLiteral("zuvomatic")} + words);
    if (parser.isSet(help))
        return ProgramHelpText();
    if (parser.isSet(version))
        return QStringLiteral("zuvomatic " ZUVOMATIC_VERSION "\n");
    return std::nullopt;
}

QString ProgramHelpText()
{
    return QStringLiteral(
        u"使い方: zuvomatic [Ghost] [HexDisp] [ファイル.qvk | 画像.png]\n"
        u"アイコンを並べてロボットのプログラムを作り、音でロボットに送ります。\n"
        u"\n"
        u"  Ghost          1語目か2語目: 編集エリアで開発用のキーが使えます\n"
        u"  HexDisp        1語目か2語目: 送信データ TXdata を表示します\n"
        u"  ファイル.qvk   このロボットファイルを開いて編集を始めます\n"
        u"  画像.png       「画像として保存」で作った画像のプログラムを開きます\n"
        u"  -h, --help     この説明を表示して終わります\n"
        u"  -v, --version  バージョンを表示して終わります\n"
        u"\n"
        u"ウィンドウなしで使うコマンドは zuvomatic-cli --help を見てください。\n");
}

} // namespace zuvo

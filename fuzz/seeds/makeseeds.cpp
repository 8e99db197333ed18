// Writes the seed corpus of every fuzz target into OUTDIR/<target>/, made from the built-in
// sample programs, the empty program and the catalogue's default ParameterStrings.
//   fuzz_seeds OUTDIR

#include "codegencheck.h"

#include "check/runchecks.h"
#include "codegen/generateprogram.h"
#include "model/iconcatalogue.h"
#include "model/robotfile.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <cstdio>

using namespace zuvo;

namespace {

class SeedWriter
{
public:
    explicit SeedWriter(const QString &root)
        : m_root(root)
    {
    }

    bool write(const QString &target, const QString &name, const QByteArray &bytes)
    {
        const QString dir = m_root + u'/' + target;
        if (!QDir().mkpath(dir))
            return fail(dir);
        QFile file(dir + u'/' + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return fail(file.fileName());
        ++m_count;
        return true;
    }
    int count() const { return m_count; }
    bool ok() const { return m_ok; }

private:
    bool fail(const QString &path)
    {
        std::fprintf(stderr, "fuzz_seeds: cannot write %s\n", qPrintable(path));
        m_ok = false;
        return false;
    }

    QString m_root;
    int m_count = 0;
    bool m_ok = true;
};

QByteArray joined(const QList<QByteArray> &pieces)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            bytes += '\0';
        bytes += pieces.at(i);
    }
    return bytes;
}

QByteArray listsOf(const ProgramText &text)
{
    return joined({text.ConnectionList.toUtf8(), text.IconList.toUtf8(), text.MemoList.toUtf8()});
}

QString seedName(const char *kind, int n)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(kind)).arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds OUTDIR\n");
        return 2;
    }
    LoadIconCatalogue();
    SeedWriter out(QString::fromLocal8Bit(argv[1]));
    const QList<ProgramText> &samples = SamplePrograms();

    QSet<QString> params;
    for (int i = 0; i < samples.size(); ++i) {
        WorkingProgram program = LoadSlotText(samples.at(i));
        out.write(QStringLiteral("robotfile"), seedName("sample", i) + QStringLiteral(".qvk"),
                  EncodeRobotFile(program).bytes);
        out.write(QStringLiteral("programtext"), seedName("sample", i), listsOf(samples.at(i)));

        QList<QByteArray> slotParams;
        for (int slot = 0; slot < program.SlotCount; ++slot) {
            slotParams << program.SlotParams[slot].toUtf8();
            params.insert(program.SlotParams[slot]);
        }
        out.write(QStringLiteral("codegen"), seedName("sample", i), QByteArray(1, char(i)));
        out.write(QStringLiteral("codegen"), seedName("params", i), char(i) + joined(slotParams));

        CheckRun run = RunChecks(program);
        if (!run.passed)
            continue;
        const GenerateResult result = GenerateProgram(program, run.flow, true, false);
        if (result.outcome != GenerateOutcome::Ready)
            continue;
        out.write(QStringLiteral("encoding"), seedName("sample", i), result.txData.toLatin1());
        out.write(QStringLiteral("encoding"), seedName("tested", i),
                  (result.txData + QStringLiteral(" 5")).toLatin1());
    }

    // The long chain, as it is and with three operands made variables (237 code bytes).
    const int chain = static_cast<int>(CodegenPrograms().size()) - 1;
    out.write(QStringLiteral("codegen"), QStringLiteral("chain"), QByteArray(1, char(chain)));
    out.write(QStringLiteral("codegen"), QStringLiteral("chain_237"),
              char(chain)
                  + joined({QByteArray(), QStringLiteral(u"18 2=Ａ Ｂ &H00FFFFFF").toUtf8(),
                            QStringLiteral(u"18 2=Ａ Ｃ &H00FFFFFF").toUtf8(),
                            QStringLiteral(u"18 2=Ｈ Ｈ &H00FFFFFF").toUtf8()}));

    const WorkingProgram empty = WorkingProgram::newProgram();
    out.write(QStringLiteral("robotfile"), QStringLiteral("empty.qvk"),
              EncodeRobotFile(empty).bytes);
    out.write(QStringLiteral("programtext"), QStringLiteral("template"),
              listsOf(ProgramTemplate()));

    // Memo lines that read back as the end of the memo list, followed by a number outside the
    // scroll range; the save writes them otherwise and the program opens again whole.
    const QStringList endLines = {QStringLiteral("END"), QStringLiteral("   END"),
                                  QStringLiteral("\"END\""), QStringLiteral("END,99999")};
    for (int i = 0; i < endLines.size(); ++i) {
        ProgramText text = ProgramTemplate();
        text.MemoList
            = QStringLiteral("before\r\n") + endLines.at(i) + QStringLiteral("\r\n99999,END,7,9");
        out.write(QStringLiteral("programtext"), seedName("memo_end", i), listsOf(text));
        WorkingProgram program = WorkingProgram::newProgram();
        program.Memo = QStringLiteral("before\r\n") + endLines.at(i) + QStringLiteral("\r\n99999");
        out.write(QStringLiteral("robotfile"), seedName("memo_end", i) + QStringLiteral(".qvk"),
                  EncodeRobotFile(program).bytes);
        // The same memo as a writer that changed nothing would have left it.
        out.write(QStringLiteral("robotfile"), seedName("memo_end_raw", i) + QStringLiteral(".qvk"),
                  QByteArray("Quorvel50 J\r\n\r\nEND\r\n 398 ,29 0=\r\n 416 ,30 0=\r\nEND\r\n"
                             "before\r\n")
                      + endLines.at(i).toLatin1() + "\r\n99999\r\nEND\r\n 0 \r\n 0 \r\n");
    }

    for (int code = 0; code < IconCodeCount; ++code)
        params.insert(DefaultParams(code));
    QStringList sorted(params.begin(), params.end());
    sorted.sort();
    for (int i = 0; i < sorted.size(); ++i) {
        const QByteArray text = sorted.at(i).toUtf8();
        out.write(QStringLiteral("parameterstring"), seedName("params", i), text);
        // The same string with a typed number and choices of option and list items.
        out.write(QStringLiteral("parameterstring"), seedName("edited", i),
                  joined({text, QByteArrayLiteral("12"), QByteArrayLiteral("\x02\x03\x04\x05")}));
    }

    std::printf("fuzz_seeds: %d seed files\n", out.count());
    return out.ok() ? 0 : 1;
}

// The copies of unsaved programs on the largest program the editor accepts (every line cell, 100
// icons with long ParameterStrings, the longest memo: about 100 KB as a robot file):
//   - one copy written on the writer's thread (encode, the reader's check, WriteWholeFile with
//     its fsync) into a folder under TMPDIR (or /tmp: give it a disk, not a tmpfs);
//   - what the editor's own thread pays: after an operation that changed nothing (the blink),
//     after one that changed the program, and handing the copies to the writer.
//   build/bench/recovery_bench

#include "model/iconcatalogue.h"
#include "model/recoverystore.h"
#include "model/robotfile.h"
#include "session/editorsession.h"
#include "silentprompts.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using zuvo::bench::SilentPrompts;

zuvo::WorkingProgram largestProgram()
{
    using namespace zuvo;
    WorkingProgram program = WorkingProgram::newProgram();
    for (int y = 0; y < LatticeRows; ++y) {
        for (int x = 0; x < LatticeColumns; ++x) {
            if (isConnector(cellKind(x, y)))
                program.CellContent(x, y) = LineCell;
            else if (cellKind(x, y) == CellKind::Icon && program.CellContent(x, y) == EmptyCell
                     && !program.slotLimitReached())
                program.placeNewIcon(x, y, IconCalculateVariable,
                                     QStringLiteral(u"22 3=Ａ 32767 ＋ &H00FFFFFF"));
        }
    }
    program.Memo = QString(zuvo::MemoCharacterLimit, u'あ');
    return program;
}

void BM_WriteLargestCopy(benchmark::State &state)
{
    QTemporaryDir folder;
    zuvo::RecoveryWriter writer(folder.filePath(QStringLiteral("copies")), nullptr);
    zuvo::WorkingProgram program = largestProgram();
    const qint64 bytes = zuvo::EncodeRobotFile(program).bytes.size();
    int round = 0;
    for (auto _ : state) {
        program.Memo[0] = QChar(u'あ' + (++round % 2)); // new bytes each time
        writer.keep({{{0, QString(), QStringLiteral("x")}, program}});
        writer.finish();
    }
    state.counters["file bytes"] = double(bytes);
}
BENCHMARK(BM_WriteLargestCopy)->Unit(benchmark::kMillisecond);

// A session holding the largest program, unsaved, with its copies kept.
struct LargestSession
{
    LargestSession()
        : session(prompts)
    {
        const QString file = folder.filePath(QStringLiteral("largest.qvk"));
        zuvo::WriteRobotFile(largestProgram(), file);
        session.OpenRobotFileAt(file);
        session.EnableRecovery(folder.filePath(QStringLiteral("state")),
                               zuvo::CurrentProcessIdentity());
        session.SetMemoText(session.program().Memo.chopped(1));
        session.KeepRecoveryCopies(false);
    }
    QTemporaryDir folder;
    SilentPrompts prompts;
    zuvo::EditorSession session;
};

void BM_UnchangedOperationWithLargestUnsaved(benchmark::State &state)
{
    LargestSession s;
    for (auto _ : state)
        s.session.BlinkTick();
}
BENCHMARK(BM_UnchangedOperationWithLargestUnsaved)->Unit(benchmark::kMicrosecond);

void BM_ChangingOperationWithLargestUnsaved(benchmark::State &state)
{
    LargestSession s;
    QString memo = s.session.program().Memo;
    int round = 0;
    for (auto _ : state) {
        memo[0] = QChar(u'あ' + (++round % 2));
        s.session.SetMemoText(memo);
    }
}
BENCHMARK(BM_ChangingOperationWithLargestUnsaved)->Unit(benchmark::kMicrosecond);

void BM_HandLargestToTheWriter(benchmark::State &state)
{
    LargestSession s;
    for (auto _ : state) {
        s.session.WriteRecoveryCopies();
        state.PauseTiming();
        s.session.KeepRecoveryCopies(false);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HandLargestToTheWriter)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // the delay's timer
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

// The editor window offscreen: GO! to a usable editor (construct, show, first paint of the
// drawing surface), one blink tick with a selected box repainted, and one scroll repainted.

#include "editor/editorwindow.h"
#include "editor/gridsurface.h"

#include <QApplication>
#include <QEvent>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using zuvo::EditorWindow;

// Notices when the drawing surface has been painted.
class PaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void processUntilPainted(PaintWatch &watch)
{
    watch.painted = false;
    for (int i = 0; i < 1000 && !watch.painted; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void BM_OpenEditor(benchmark::State &state)
{
    for (auto _ : state) {
        auto window = std::make_unique<EditorWindow>(10, QStringList {});
        PaintWatch watch;
        window->surface()->installEventFilter(&watch);
        window->show();
        processUntilPainted(watch);
        if (!watch.painted)
            state.SkipWithError("the drawing surface was never painted");
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond);

void BM_BlinkTickWithSelectedBox(benchmark::State &state)
{
    EditorWindow window(10, {});
    window.blinkTimer().stop();
    window.show();
    QCoreApplication::processEvents();
    window.session().SurfaceRelease(0, 0, false);
    window.session().SurfaceRelease(24, 12, false); // a box of 25 x 13 positions
    PaintWatch watch;
    window.surface()->installEventFilter(&watch);
    for (auto _ : state) {
        window.session().BlinkTick();
        processUntilPainted(watch);
    }
}
BENCHMARK(BM_BlinkTickWithSelectedBox)->Unit(benchmark::kMillisecond);

void BM_ScrollAndRepaint(benchmark::State &state)
{
    EditorWindow window(10, {});
    window.blinkTimer().stop();
    window.show();
    QCoreApplication::processEvents();
    PaintWatch watch;
    window.surface()->installEventFilter(&watch);
    int step = 0;
    for (auto _ : state) {
        window.session().SetScroll((step % 2) * 600, (step % 3) * 300);
        processUntilPainted(watch);
        ++step;
    }
}
BENCHMARK(BM_ScrollAndRepaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

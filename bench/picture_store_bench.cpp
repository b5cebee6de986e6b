// The cost of the pictures: filling the whole store as start-up does it, and
// reading one picture (decode and smooth scale) to the pet area, at pixel
// ratio 1 and 2. Reads the generated pictures of the build's app folder.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "media/picture_store.h"

namespace {

using namespace mokopi;

// The pet area of the window on a 768-pixel-high screen.
const QSize PetArea(410, 395);

QString appFolder() { return QStringLiteral(MOKOPI_APP_DIR "/"); }

void BM_FillStore(benchmark::State& state)
{
    const QSize size = PetArea * static_cast<int>(state.range(0));
    PictureStore store(appFolder());
    for (auto _ : state)
        store.loadAll(size);
    state.SetLabel("34 pictures");
}
BENCHMARK(BM_FillStore)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_ReadOnePicture(benchmark::State& state)
{
    const QSize size = PetArea * static_cast<int>(state.range(0));
    PictureStore store(appFolder());
    for (auto _ : state)
        benchmark::DoNotOptimize(store.readFile("t0.bmp", size));
}
BENCHMARK(BM_ReadOnePicture)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // pixmaps need one
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

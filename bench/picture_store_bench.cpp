// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cost of the pictures at the pet area's size, at pixel ratio 1 and 2:
// looking for every file as start-up does, and a first showing of a picture
// (read, decode and smooth scale, or a copy from the cache of scaled
// pictures). Reads the generated pictures of the build's app folder; the
// cache goes to a temporary folder.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "media/picture_store.h"

namespace {

using namespace mokopi;
using namespace mokopi::game;
using namespace mokopi::media;

// The pet area of the window on a 768-pixel-high screen.
const QSize PetArea(410, 395);

QString appFolder() { return QStringLiteral(MOKOPI_APP_DIR "/"); }

PictureDisplay display(const benchmark::State& state) { return {PetArea, static_cast<qreal>(state.range(0))}; }

void BM_CheckFiles(benchmark::State& state)
{
    const PictureStore store(appFolder());
    for (auto _ : state)
        store.checkFiles();
    state.SetLabel("36 files");
}
BENCHMARK(BM_CheckFiles)->Unit(benchmark::kMicrosecond);

// A new store each time: nothing held, nothing cached.
void BM_FirstShowingFromTheFile(benchmark::State& state)
{
    for (auto _ : state) {
        PictureStore store(appFolder());
        benchmark::DoNotOptimize(store.picture(Picture::t0, display(state)));
    }
}
BENCHMARK(BM_FirstShowingFromTheFile)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// A new store each time on a cache that already holds the picture.
void BM_FirstShowingFromTheCache(benchmark::State& state)
{
    QTemporaryDir cache;
    PictureStore(appFolder(), cache.path()).picture(Picture::t0, display(state));
    for (auto _ : state) {
        PictureStore store(appFolder(), cache.path());
        benchmark::DoNotOptimize(store.picture(Picture::t0, display(state)));
    }
}
BENCHMARK(BM_FirstShowingFromTheCache)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// What the animation asks of the store on each tick.
void BM_HeldPicture(benchmark::State& state)
{
    PictureStore store(appFolder());
    store.picture(Picture::t0, display(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(store.picture(Picture::t0, display(state)));
}
BENCHMARK(BM_HeldPicture)->Arg(1);

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

// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up and memory of the game beside an empty Qt window of the same size,
// on the display in DISPLAY (run it under Xvfb, with and without a window
// manager: bench/startup.sh does both).
//
// Each run starts a fresh process and times it from the start to its first
// painted frame: the title picture for the game, the empty window for the
// yardstick. The kinds of run alternate so that a change of load on the
// machine falls on all of them alike. The game runs twice per round: once
// with an empty picture cache and once with the cache its previous run left.
// Target: the title within 1.3 times the empty window's time.
//
// Memory: VmRSS after a few seconds of play (clock running) against the
// empty window's after the same wait. Target: at most the empty window's
// plus 1.1 times the fifteen raising pictures at display size.
//
//   startup_bench [ROUNDS [MEMORY_ROUNDS]]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "first_paint.h"

namespace {

struct Kind {
    const char* name;
    const char* program;
    const char* argument;  // after the mode; the game's is its app folder
    bool emptyCache;
};

// The lines a child printed up to its end, and the time its first one came.
struct Run {
    double firstLineMs = -1;
    QStringList lines;
};

class Runner {
public:
    Run run(const Kind& kind, const char* mode)
    {
        if (kind.emptyCache)
            QDir(cache_.path()).removeRecursively(), QDir().mkpath(cache_.path());
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CACHE_HOME"), cache_.path());  // never the user's own cache
        child.setProcessEnvironment(env);
        child.setStandardErrorFile(QProcess::nullDevice());  // sound warnings of machines without audio
        const QString program = QCoreApplication::applicationDirPath() + '/' + QLatin1String(kind.program);

        Run result;
        QElapsedTimer clock;
        clock.start();
        child.start(program, {QLatin1String(mode), QString::fromLocal8Bit(kind.argument)});
        while (child.waitForReadyRead(30000) || child.canReadLine())
            while (child.canReadLine()) {
                if (result.firstLineMs < 0)
                    result.firstLineMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
                result.lines << QString::fromLocal8Bit(child.readLine()).trimmed();
            }
        child.waitForFinished(30000);
        if (!result.lines.value(0).startsWith(QLatin1String("painted")))
            std::fprintf(stderr, "%s did not paint: %s\n", kind.name, qPrintable(result.lines.join(" / ")));
        return result;
    }

private:
    QTemporaryDir cache_;
};

struct Summary {
    double median, min, max;
};

Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

// The value that follows `key` in a child's lines, or -1.
double valueAfter(const Run& run, const QString& key, int field = 1)
{
    for (const QString& line : run.lines)
        if (line.startsWith(key + ' '))
            return line.split(' ').value(field).toDouble();
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    const int memoryRounds = argc > 2 ? std::max(0, atoi(argv[2])) : 3;
    Runner runner;
    // The yardstick first; the window with one line of text shows what any
    // window that writes Japanese pays for its fonts.
    const Kind kinds[] = {{"bare window", "startup_bare", "", false},
                          {"bare + Japanese line", "startup_bare", "text", false},
                          {"game, empty cache", "startup_game", MOKOPI_APP_DIR, true},
                          {"game, warm cache", "startup_game", MOKOPI_APP_DIR, false}};
    constexpr int KindCount = std::size(kinds);
    constexpr int WarmGame = KindCount - 1;

    for (const Kind& kind : kinds)  // the first run of each reads its libraries from disk
        runner.run(kind, "time");
    std::map<int, std::vector<double>> times;
    for (int round = 0; round < rounds; ++round)
        for (int k = 0; k < KindCount; ++k) {
            const int which = (round + k) % KindCount;  // each kind takes each place in turn
            times[which].push_back(runner.run(kinds[which], "time").firstLineMs);
        }

    std::printf("start to first painted frame, %d runs each (ms):\n", rounds);
    const double bare = summarise(times[0]).median;
    for (int k = 0; k < KindCount; ++k) {
        const Summary s = summarise(times[k]);
        std::printf("  %-22s median %7.1f  min %7.1f  max %7.1f  ratio %.2f\n", kinds[k].name, s.median, s.min, s.max,
                    s.median / bare);
    }

    if (memoryRounds == 0)
        return 0;
    std::map<int, std::vector<double>> kib;
    double budgetKib = 0;
    for (int round = 0; round < memoryRounds; ++round)
        for (int k : {0, 1, WarmGame}) {
            const Run run = runner.run(kinds[k], "memory");
            kib[k].push_back(valueAfter(run, QStringLiteral("rss")));
            if (k == WarmGame) {
                const double dpr = valueAfter(run, QStringLiteral("pet"), 3);
                budgetKib = 1.1 * 15 * valueAfter(run, QStringLiteral("pet"), 1) * dpr
                    * valueAfter(run, QStringLiteral("pet"), 2) * dpr * 4 / 1024;
            }
        }
    std::printf("VmRSS after %d s (the game in play), %d runs each (MiB):\n", mokopi::bench::PlayMs / 1000,
                memoryRounds);
    const double bareKib = summarise(kib[0]).median;
    for (int k : {0, 1, WarmGame}) {
        const Summary s = summarise(kib[k]);
        std::printf("  %-22s median %5.1f  min %5.1f  max %5.1f  above bare %5.1f\n", kinds[k].name, s.median / 1024,
                    s.min / 1024, s.max / 1024, (s.median - bareKib) / 1024);
    }
    const double gameAbove = summarise(kib[WarmGame]).median - bareKib;
    std::printf("  game above bare: %.1f MiB, allowed %.1f MiB (1.1 x 15 raising pictures): %s\n", gameAbove / 1024,
                budgetKib / 1024, gameAbove <= budgetKib ? "within" : "over");
    return 0;
}

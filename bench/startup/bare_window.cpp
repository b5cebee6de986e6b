// The yardstick of start-up: an empty Qt window of the game's outer size,
// two thirds of the screen height square, timed to its first frame.
//   startup_bare time | memory
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool memory = argc > 1 && QByteArray(argv[1]) == "memory";
    QWidget window;
    const int side = QGuiApplication::primaryScreen()->geometry().height() * 2 / 3;
    window.resize(side, side);
    mokopi::bench::FirstPaintReporter reporter([&](QObject* watched) { return watched == &window; }, [memory] {
        if (memory)
            QTimer::singleShot(mokopi::bench::PlayMs, &mokopi::bench::reportMemoryAndQuit);
        else
            QCoreApplication::exit(0);
    });
    window.show();
    return app.exec();
}

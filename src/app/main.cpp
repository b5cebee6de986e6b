#include <QApplication>

#include "ui/dialogs.h"
#include "ui/run_game.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    mokopi::ui::QtDialogs dialogs;
    return mokopi::ui::runGame(app, dialogs);
}

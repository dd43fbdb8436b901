// Kelvaro, the game.
#include "game/window/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    kelvaro::MainWindow window;
    window.show();
    return app.exec();
}

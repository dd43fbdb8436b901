// Kelvaro, the game.
#include "game/window/main_window.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationDisplayName("Kelvaro");
    kelvaro::MainWindow window(QCoreApplication::applicationDirPath().toStdString());
    window.show();
    QTimer::singleShot(0, &window, [&window] { window.start(); });  // once the window has been painted
    return app.exec();
}

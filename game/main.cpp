// Kelvaro, the game.
#include "game/sound/sdl_sound.h"
#include "game/window/main_window.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationDisplayName("Kelvaro");
    const std::filesystem::path dir = QCoreApplication::applicationDirPath().toStdString();
    kelvaro::SdlSound sound;
    kelvaro::MainWindow window(dir, {&sound, [&sound, dir] { return sound.load(dir); }, {}});
    window.show();
    QTimer::singleShot(0, &window, [&window] { window.start(); });  // once the window has been painted
    return app.exec();
}

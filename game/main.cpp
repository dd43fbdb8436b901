// SPDX-License-Identifier: GPL-3.0-or-later
// Kelvaro, the game.
#include "game/sound/sdl_sound.h"
#include "game/window/qt/main_window.h"
#include "level/level_files.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// `Kelvaro --self-test`: says whether the program finds its sounds and levels beside it,
// for installers and packagers.
int selfTest(const std::filesystem::path& dir)
{
    kelvaro::SdlSound sound;
    if (const auto failure = sound.load(dir)) {
        std::fprintf(stderr, "Kelvaro: %s\n", failure->c_str());
        return 1;
    }
    std::printf("sounds: all seven found in %s%s\n", dir.c_str(), sound.silent() ? " (no sound device: silent)" : "");
    int levels = 0;
    for (int n = 1; n <= 50; ++n) {
        const auto level = kelvaro::loadGameLevel(kelvaro::gameLevelFile(dir, n));
        if (level)
            ++levels;
        else if (n == 1) {
            std::fprintf(stderr, "Kelvaro: level 1 cannot be read from %s: %s\n",
                         kelvaro::gameLevelFile(dir, n).c_str(), level.error().describe().c_str());
            return 1;
        }
    }
    std::printf("levels: %d of 50 readable in %s\n", levels, kelvaro::mapsFolder(dir).c_str());
    return 0;
}

constexpr const char* usage =
    "usage: kelvaro [--level FILE | --self-test | --help | --version]\n"
    "  Kelvaro, a push puzzle: walk with the arrow keys, hold Ctrl to push the jewel onto the goal.\n"
    "  Without an option the game opens its window and plays the fifty levels in the Maps\n"
    "  folder beside the program.\n"
    "  --level FILE  play the level file FILE at once, with its start effect, countdown,\n"
    "                win and loss; New game, Next and Retry play it again\n"
    "  --self-test   check that the sounds and levels beside the program can be read, then exit\n"
    "  --help        print this text and exit\n"
    "  --version     print the version and exit\n";

} // namespace

int main(int argc, char* argv[])
{
    // Answered before Qt starts, so they work without a display.
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("Kelvaro " KELVARO_VERSION);
        return 0;
    }
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    // Settings land in the XDG config folder: $XDG_CONFIG_HOME/kelvaro/kelvaro.conf.
    QCoreApplication::setOrganizationName("kelvaro");
    QCoreApplication::setApplicationName("kelvaro");
    kelvaro::MainWindow::tieToDesktopEntry();
    const std::filesystem::path dir = QCoreApplication::applicationDirPath().toStdString();
    if (argc == 2 && std::strcmp(argv[1], "--self-test") == 0)
        return selfTest(dir);
    std::optional<std::filesystem::path> level_file;
    if (argc == 3 && std::strcmp(argv[1], "--level") == 0)
        level_file = std::filesystem::absolute(argv[2]);

    kelvaro::SdlSound sound;
    kelvaro::MainWindowOptions options{&sound, [&sound, dir] { return sound.load(dir); }, {}, level_file};
    options.settings_file = QSettings().fileName().toStdString();
    kelvaro::MainWindow window(dir, options);
    window.show();
    QTimer::singleShot(0, &window, [&window] { window.start(); });  // once the window has been painted
    return app.exec();
}

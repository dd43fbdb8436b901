// SPDX-License-Identifier: GPL-3.0-or-later
// kel_edit, the Kelvaro level editor.
#include "editor/editor_window.h"
#include "level/author_level.h"
#include "level/level_files.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* usage =
    "usage: kel_edit [--help | --version | --self-test]\n"
    "  The Kelvaro level editor: paint, load and save levels in the Maps folder beside it.\n"
    "  Without an option the editor opens its window.\n"
    "  --self-test  check that the maps folder beside the program can be read, then exit\n"
    "  --help       print this text and exit\n"
    "  --version    print the version and exit\n";

// `kel_edit --self-test`: says whether the editor finds the maps folder beside it.
int selfTest(const std::filesystem::path& dir)
{
    const std::filesystem::path maps = kelvaro::mapsFolder(dir);
    const auto level = kelvaro::loadAuthorLevel(kelvaro::fileIn(maps, "maze1.txt"));
    if (!level) {
        std::fprintf(stderr, "kel_edit: maze1.txt cannot be loaded from %s: %s\n", maps.c_str(),
                     level.error().describe().c_str());
        return 1;
    }
    std::printf("maps: %s, maze1.txt loads (%d x %d cells)\n", maps.c_str(), level->maze.columns(), level->maze.rows());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // Answered before Qt starts, so they work without a display.
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("kel_edit (Kelvaro) " KELVARO_VERSION);
        return 0;
    }
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    kelvaro::EditorWindow::tieToDesktopEntry();
    if (argc == 2 && std::strcmp(argv[1], "--self-test") == 0)
        return selfTest(QCoreApplication::applicationDirPath().toStdString());
    kelvaro::EditorWindow window;
    window.show();
    return app.exec();
}

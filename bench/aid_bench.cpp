// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a 17 x 16 level with 12 crates through the real main window (offscreen) and reports the play
// loop's step spacing with no solver work, while hints are asked without pause, and while pushes and
// take-backs keep the lost-position check busy: the solver's thread must not move those figures.
#include "game/desktop/main_window.h"

#include <QApplication>
#include <QEventLoop>
#include <QInputDialog>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <vector>

namespace fs = std::filesystem;
using namespace kelvaro;

namespace {

const char* const level_rows[] = {
    "#################", "#################", "##.....o.......##", "##.o.......o...##",
    "##.....#.......##", "##..o..#..o....##", "##.....#.......##", "##.*...#...o..G##",
    "##.....#.......##", "##..o.....o....##", "##.............##", "##.o....o....o.##",
    "##.............##", "##@..o.........##", "#################", "#################",
};

// The rows above as a level file: the header, then the cells column by column.
void writeLevel(const fs::path& file)
{
    const int maxx = 16, maxy = 15;
    int jewelx = 0, jewely = 0, goalx = 0, goaly = 0, startx = 0, starty = 0;
    for (int y = 0; y <= maxy; ++y)
        for (int x = 0; x <= maxx; ++x) {
            const char c = level_rows[y][x];
            if (c == '*')
                jewelx = x, jewely = y;
            if (c == 'G')
                goalx = x, goaly = y;
            if (c == '@')
                startx = x, starty = y;
        }
    std::ofstream out(file, std::ios::binary);
    for (int value : {maxx, maxy, jewelx, jewely, goalx, goaly, startx, starty, 3000})
        out << value << "\r\n";
    for (int x = 0; x <= maxx; ++x)
        for (int y = 0; y <= maxy; ++y)
            out << std::string(".#G*o").find(level_rows[y][x] == '@' ? '.' : level_rows[y][x]) << "\r\n";
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);  // every thread of the process
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Load {
    const char* name;
    std::vector<Key> held;
    int every_ms;  // how often `poke` runs; 0: never
    std::function<void(MainWindow&)> poke;
    bool saturate = false;  // besides, a second worker searches without pause
};

// Keeps a worker searching the level's start position, one search after another.
struct Saturator {
    ThreadedSolver worker{std::chrono::seconds(5), postTo(qApp)};
    GameLevel position;
    bool running = true;
    void next()
    {
        if (running)
            worker.solve(position, [this](const Solution&) { next(); });
    }
};

void measure(MainWindow& window, std::vector<std::uint32_t>& ticks, const Load& load, const GameLevel& start)
{
    window.model().engine.startlevel(1);  // the same start position for every load
    window.sync();
    for (int waited = 0; waited < 100 && window.model().engine.phase() != Engine::Phase::playing; ++waited)
        wait(100);
    for (Key key : load.held)
        window.keys().set(key, true);
    QTimer poke;
    if (load.poke) {
        QObject::connect(&poke, &QTimer::timeout, [&] { load.poke(window); });
        poke.start(load.every_ms);
    }
    std::optional<Saturator> saturator;
    if (load.saturate) {
        saturator.emplace();
        saturator->position = start;
        saturator->next();
    }
    ticks.clear();
    const int searches_before = window.solver().searches();
    const double cpu_before = cpuSeconds();
    wait(6000);
    const double cpu = cpuSeconds() - cpu_before;
    const int searches = window.solver().searches() - searches_before + (saturator ? saturator->worker.searches() : 0);
    if (saturator)
        saturator->running = false;
    poke.stop();
    window.keys().clear();
    std::vector<std::uint32_t> spacing;
    for (std::size_t i = 1; i < ticks.size(); ++i)
        spacing.push_back(ticks[i] - ticks[i - 1]);
    std::sort(spacing.begin(), spacing.end());
    if (spacing.empty())
        return;
    std::printf("%-50s median %2u ms, p99 %2u ms, max %3u ms (%zu intervals); searches %4d; process CPU %5.1f %%\n",
                load.name, spacing[spacing.size() / 2], spacing[spacing.size() * 99 / 100], spacing.back(),
                spacing.size(), searches, 100.0 * cpu / 6.0);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    qputenv("XDG_DATA_HOME", "/nonexistent-kelvaro-bench");  // no records written by the benchmark
    QApplication app(argc, argv);
    const fs::path dir = fs::temp_directory_path() / ("kelvaro-aid-bench-" + std::to_string(getpid()));
    fs::create_directories(dir / "Maps");
    writeLevel(dir / "Maps" / "maze1.txt");
    {
        MainWindow window(dir);
        window.show();
        window.start();
        std::vector<std::uint32_t> ticks;
        window.model().engine.trace = [&](std::uint32_t tick, bool) { ticks.push_back(tick); };
        QTimer::singleShot(50, [] {
            if (auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                box->setTextValue("1");
                box->accept();
            }
        });
        window.model().post(Command::newGameItem);
        window.sync();
        wait(500);

        auto key = [](char c) { return [c](MainWindow& w) { w.model().onCharacterKey(c); w.sync(); }; };
        const Load loads[] = {
            {"walking, no solver work", {Key::left, Key::right}, 0, nullptr},
            {"walking, H every 25 ms (a hint from every cell)", {Key::left, Key::right}, 25, key('h')},
            {"pushing, take-back every 300 ms (lost checks)", {Key::right, Key::ctrl}, 300, key('\b')},
            {"walking, H every 25 ms, a second worker saturated", {Key::left, Key::right}, 25, key('h'), true},
            {"walking, no solver work (again)", {Key::left, Key::right}, 0, nullptr},
        };
        const GameLevel start = loadGameLevel(dir / "Maps" / "maze1.txt").value();
        std::printf("17 x 16 level, 12 crates; step and frame spacing of the play loop over 6 s each:\n");
        for (const Load& load : loads)
            measure(window, ticks, load, start);
        window.model().engine.trace = nullptr;
        window.model().engine.stopgame();
    }
    fs::remove_all(dir);
    return 0;
}

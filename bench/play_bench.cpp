// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a scripted level through the real main window and event loop (offscreen) and reports the
// pacing of steps and frames, the frames drawn, the processor time and wake-ups of each phase
// (walking by a held key and by a click among them), with and without a game controller
// connected, and the memory.
#include "game/desktop/controller/tests/virtual_pad.h"
#include "game/desktop/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QInputDialog>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace kelvaro;

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A number from a /proc status file: "Name:   value".
long statusField(const char* file, const std::string& name)
{
    std::ifstream status(file);
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(name + ":", 0) == 0)
            return std::stol(line.substr(name.size() + 1));
    return -1;
}

long residentKiB() { return statusField("/proc/self/status", "VmRSS"); }

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// An open room with a border frame, the player in a corner, a long time limit.
void writeLevel(const fs::path& file, int maxx, int maxy)
{
    std::ofstream out(file, std::ios::binary);
    out << maxx << "\r\n" << maxy << "\r\n5\r\n5\r\n7\r\n7\r\n2\r\n2\r\n3000\r\n";
    for (int x = 0; x <= maxx; ++x)
        for (int y = 0; y <= maxy; ++y)
            out << ((x < 2 || y < 2 || x > maxx - 2 || y > maxy - 2) ? 1 : 0) << "\r\n";
}

// Times the window's thread went to sleep and was woken: its voluntary context switches.
long wakeUps() { return statusField("/proc/thread-self/status", "voluntary_ctxt_switches"); }

struct Phase {
    std::string name;
    double cpu_percent;
    double wakeups_per_second;
};

Phase measure(std::string name, int ms)
{
    const double before = cpuSeconds();
    const long woken = wakeUps();
    wait(ms);
    return {std::move(name), 100.0 * (cpuSeconds() - before) / (ms / 1000.0), (wakeUps() - woken) / (ms / 1000.0)};
}

void printPhases(const std::vector<Phase>& phases)
{
    std::printf("  %-36s %12s %14s\n", "phase", "cpu % core", "wake-ups / s");
    for (const Phase& phase : phases)
        std::printf("  %-36s %12.2f %14.1f\n", phase.name.c_str(), phase.cpu_percent, phase.wakeups_per_second);
}

// Walks the player from wall to wall of the open room for `ms`: by holding the arrow key toward
// the far wall, or by a click on the cell before it, renewed at each wall. The two must cost the
// same: a walk planned by a click is taken by the same steps as a key's.
Phase measureWalking(MainWindow& window, std::string name, int ms, bool by_click)
{
    GameWindowModel& model = window.model();
    const int west = 2, east = model.engine.maxx() - 2, row = model.engine.playery();
    int target = model.engine.playerx() == east ? west : east;
    QTimer turn;
    QObject::connect(&turn, &QTimer::timeout, [&] {
        if (model.engine.playerx() == target)
            target = target == east ? west : east;
        else if (by_click ? model.engine.planned() || model.engine.phase() != Engine::Phase::playing
                          : window.keys().down(target == east ? Key::right : Key::left))
            return;
        if (by_click) {
            model.onCellClick(target, row);
        } else {
            window.keys().set(Key::right, target == east);
            window.keys().set(Key::left, target == west);
        }
        window.sync();
    });
    turn.start(100);  // the same few wake-ups a second for both ways
    Phase phase = measure(std::move(name), ms);
    turn.stop();
    window.keys().clear();
    model.cancelPointer();
    wait(300);
    return phase;
}

// New game, answering its input box with `level` as a player would.
void newGame(MainWindow& window, int level)
{
    QTimer::singleShot(50, [level] {
        if (auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            box->setTextValue(QString::number(level));
            box->accept();
        }
    });
    window.model().post(Command::newGameItem);
    window.sync();
}

// The quiet of each state of play, first with the keyboard alone, then with a controller connected
// (SDL's virtual joystick) whose D-pad holds the key. Level `level` must be an open room.
void quietPhases(MainWindow& window, int level)
{
    std::vector<Phase> phases;
    for (const bool pad_connected : {false, true}) {
        std::unique_ptr<VirtualPad> pad;
        if (pad_connected) {
            pad = std::make_unique<VirtualPad>();
            window.controllers().pump();
        }
        const std::string with = pad_connected ? ", controller" : ", keyboard";
        window.model().engine.stopgame();
        window.sync();
        phases.push_back(measure("idle" + with, 3000));
        newGame(window, level);
        for (int waited = 0; waited < 100 && window.model().engine.phase() != Engine::Phase::playing; ++waited)
            wait(100);
        wait(200);
        phases.push_back(measure("playing, no key" + with, 3000));
        // Toward the wall beside the start: held, the player turns once, then the loop rests.
        if (pad)
            pad->button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
        else
            window.keys().set(Key::up, true);
        window.sync();
        phases.push_back(measure("playing, key held" + with, 3000));
        if (pad)
            pad->button(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
        window.keys().clear();
        wait(100);
        window.model().onCharacterKey('p');
        window.sync();
        phases.push_back(measure("paused" + with, 3000));
    }
    std::printf("quiet, an open room (%d connected at the end):\n", window.controllers().connected());
    printPhases(phases);
}

void playOnce(const fs::path& dir, int level, int maxx, int maxy)
{
    // The start effect of a 256 x 256 level lasts over ten minutes (10 ms a tile); the
    // benchmark lets the clock run 10 ms ahead at every reading until play begins.
    QElapsedTimer clock;
    clock.start();
    std::uint32_t ahead = 0;
    bool fast_forward = maxx > 100;
    MainWindowOptions options;
    if (fast_forward)
        options.ticks = [&] {
        if (fast_forward)
            ahead += 10;
        return static_cast<std::uint32_t>(clock.elapsed()) + ahead;
    };
    MainWindow window(dir, options);
    window.show();
    window.start();
    std::vector<std::uint32_t> ticks;
    int frames = 0;
    window.model().engine.trace = [&](std::uint32_t tick, bool frame) {
        ticks.push_back(tick);
        frames += frame;
    };

    newGame(window, level);
    std::vector<Phase> phases;
    phases.push_back(measure("start effect", 4000));
    for (int waited = 0; waited < 120 && window.model().engine.phase() != Engine::Phase::playing; ++waited)
        wait(1000);
    fast_forward = false;
    if (window.model().engine.phase() != Engine::Phase::playing) {
        std::printf("the level did not start\n");
        return;
    }

    window.keys().set(Key::left, true);
    window.keys().set(Key::right, true);
    ticks.clear();
    frames = 0;
    phases.push_back(measure("playing, keys held", 6000));
    window.keys().clear();
    std::vector<std::uint32_t> spacing;
    for (std::size_t i = 1; i < ticks.size(); ++i)
        spacing.push_back(ticks[i] - ticks[i - 1]);
    std::sort(spacing.begin(), spacing.end());
    const long rss = residentKiB();

    phases.push_back(measure("playing, no key", 3000));
    if (maxx < 100) {
        phases.push_back(measureWalking(window, "walking, arrow key held", 6000, false));
        phases.push_back(measureWalking(window, "walking, a click-walk under way", 6000, true));
    }
    window.model().onCharacterKey('p');
    window.sync();
    phases.push_back(measure("paused", 3000));
    window.model().engine.stopgame();
    window.sync();
    phases.push_back(measure("idle", 3000));

    std::printf("level %d x %d:\n", maxx + 1, maxy + 1);
    if (!spacing.empty())
        std::printf("  step and frame spacing: median %u ms, 99th percentile %u ms, minimum %u ms (%zu intervals)\n",
                    spacing[spacing.size() / 2], spacing[spacing.size() * 99 / 100], spacing.front(),
                    spacing.size());
    std::map<std::uint32_t, int> histogram;
    for (std::uint32_t gap : spacing)
        ++histogram[gap];
    std::printf("  spacing histogram:");
    for (auto [gap, count] : histogram)
        std::printf(" %u ms x %d,", gap, count);
    std::printf("\n");
    std::printf("  frames drawn while keys were held: %d in 6 s\n", frames);
    printPhases(phases);
    std::printf("  resident memory while playing: %ld KiB\n", rss);
    if (!fast_forward && maxx < 100)
        quietPhases(window, level);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const fs::path dir = fs::temp_directory_path() / ("kelvaro-play-bench-" + std::to_string(getpid()));
    fs::create_directories(dir / "Maps");
    writeLevel(dir / "Maps" / "maze1.txt", 16, 15);
    writeLevel(dir / "Maps" / "maze2.txt", 255, 255);
    playOnce(dir, 1, 16, 15);
    if (argc < 2)
        playOnce(dir, 2, 255, 255);
    fs::remove_all(dir);
    return 0;
}

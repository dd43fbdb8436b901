// SPDX-License-Identifier: GPL-3.0-or-later
// Drags the pointer across a 17 x 16 level with 12 crates in the real editor window (offscreen)
// at 60 events a second, first with no check running, then while level checks run without
// pause on another thread, and reports how long each event takes to reach the canvas's paint.
#include "editor/core/analysis_worker.h"
#include "editor/qt/editor_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <vector>

using namespace kelvaro;

namespace {

// 17 x 16 cells: start (2, 2), jewel (7, 10), goal (13, 12), twelve crates on rows 5, 8 and 11.
void writeLevel(const std::filesystem::path& file)
{
    const int maxx = 16, maxy = 15;
    const std::pair<int, int> crates[] = {{4, 5}, {6, 5}, {8, 5}, {10, 5}, {12, 5}, {4, 8},
                                          {6, 8}, {8, 8}, {10, 8}, {12, 8}, {5, 11}, {9, 11}};
    std::ofstream out(file, std::ios::binary);
    out << maxx << "\r\n" << maxy << "\r\n7\r\n10\r\n13\r\n12\r\n2\r\n2\r\n90\r\n";
    for (int x = 0; x <= maxx; ++x)
        for (int y = 0; y <= maxy; ++y) {
            int code = (x < 2 || y < 2 || x > maxx - 2 || y > maxy - 2) ? 1 : 0;
            if (std::find(std::begin(crates), std::end(crates), std::pair{x, y}) != std::end(crates))
                code = 4;
            out << code << "\r\n";
        }
}

// Timestamps events sent to the canvas and their paints.
class PaintClock : public QObject {
public:
    QElapsedTimer clock;
    qint64 sent = -1;
    std::vector<double> latencies_ms;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && sent >= 0) {
            latencies_ms.push_back((clock.nsecsElapsed() - sent) / 1e6);
            sent = -1;
        }
        return false;
    }
};

void send(QWidget* canvas, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, canvas->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

// Strokes with the blank tool along the crate-free rows 3, 4, 6 and 7, one move every 16 ms.
std::vector<double> drag(QWidget* canvas, PaintClock& paints, int events)
{
    paints.latencies_ms.clear();
    QEventLoop loop;
    QTimer pace;
    pace.setTimerType(Qt::PreciseTimer);
    int n = 0;
    const int rows[] = {3, 4, 6, 7};
    QObject::connect(&pace, &QTimer::timeout, [&] {
        const int per_row = 64;
        const int row = rows[(n / per_row) % 4];
        const int step = n % per_row;
        const QPoint at(2 * 32 + 4 + step * 6, row * 32 + 10);
        if (step == 0)
            send(canvas, QEvent::MouseButtonPress, at, Qt::LeftButton);
        paints.sent = paints.clock.nsecsElapsed();
        send(canvas, QEvent::MouseMove, at, Qt::LeftButton);
        if (step == per_row - 1)
            send(canvas, QEvent::MouseButtonRelease, at, Qt::NoButton);
        if (++n == events)
            loop.quit();
    });
    pace.start(16);
    loop.exec();
    QEventLoop settle;
    QTimer::singleShot(50, &settle, &QEventLoop::quit);
    settle.exec();
    return paints.latencies_ms;
}

void report(const char* phase, std::vector<double> ms, int events)
{
    std::sort(ms.begin(), ms.end());
    auto at = [&](double q) { return ms.empty() ? 0.0 : ms[static_cast<std::size_t>(q * (ms.size() - 1))]; };
    std::printf("%-34s %d moves, %zu paints timed; latency median %.3f ms, p95 %.3f ms, max %.3f ms\n", phase,
                events, ms.size(), at(0.5), at(0.95), ms.empty() ? 0.0 : ms.back());
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const std::filesystem::path dir = folder.path().toStdString();
    std::filesystem::create_directory(dir / "maps");
    writeLevel(dir / "maps" / "bench.txt");

    EditorWindow window(dir);
    window.setMessageSink([](const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); });
    window.show();
    window.findChild<QLineEdit*>("nameBox")->setText("bench");
    window.findChild<QPushButton*>("loadButton")->click();
    window.state().selectTool(0);  // blank over blank rows: the level stays as it is
    QWidget* canvas = window.findChild<QWidget*>("canvas");
    PaintClock paints;
    paints.clock.start();
    canvas->installEventFilter(&paints);

    const int events = argc > 1 ? std::atoi(argv[1]) : 600;
    report("no check running", drag(canvas, paints, events), events);

    // The editor's own worker class, asked again the moment it answers: checks without pause.
    std::atomic<int> checks{0};
    const AuthorLevel level = window.state().level;
    std::unique_ptr<AnalysisWorker> busy;
    QElapsedTimer busy_clock;
    busy_clock.start();
    busy = std::make_unique<AnalysisWorker>(
        [](std::function<void()> task) { task(); },  // answered on the worker's thread: no pause for the loop
        [&](std::uint64_t, const EditorLevelAnalysis& analysis) {
            if (checks++ == 0)
                std::printf("the level checked: %s\n",
                            analysis.search.outcome == Outcome::solvable ? "solvable" : "not solvable");
            busy->request(level);
        },
        [&] { return busy_clock.elapsed(); });
    busy->request(level);
    const double started = busy_clock.elapsed();
    const std::vector<double> loaded = drag(canvas, paints, events);
    const double seconds = (busy_clock.elapsed() - started) / 1000.0;
    const int done = checks.load();
    busy.reset();
    report("level checks running meanwhile", loaded, events);
    std::printf("checks finished meanwhile: %d in %.1f s (%.1f ms each)\n", done, seconds,
                done ? 1000.0 * seconds / done : 0.0);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window, offscreen, driven by key events on a fake clock from New game to a win and a loss.
#include "game/desktop/main_window.h"
#include "assets/tests/shown_title.h"
#include "game/desktop/text_window.h"
#include "game/desktop/tests/window_test_support.h"
#include "level/level_digest.h"
#include "level/forge/grade_forge.h"

#include <sstream>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

namespace kelvaro {
namespace fs = std::filesystem;

class MainWindowTest : public QObject {
    Q_OBJECT

    fs::path dir_;
    std::uint32_t now_ = 0xffffff00u;  // a few seconds before the tick count wraps
    InlineSolver solver_;
    std::unique_ptr<MainWindow> window_;

    // Moves the fake clock on, letting the window run whatever falls due, 5 ms at a time.
    void run(int ms) { runWindow(*window_, now_, ms); }

    // Where a key typed now goes first: the widget with the focus, else the window.
    QWidget* keyTarget() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget() : window_.get();
    }

    void answerNewGame(const QString& answer)
    {
        QTest::keyClick(window_.get(), Qt::Key_F2);
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QString("Level selection"));
        QCOMPARE(box->labelText(), QString("Enter the level number (1-50)"));
        // Keys typed into the box never reach the game.
        QTest::keyPress(box, Qt::Key_Right);
        QVERIFY(!window_->keys().down(Key::right));
        QTest::keyRelease(box, Qt::Key_Right);
        box->setTextValue(answer);
        box->accept();
    }

    // Opens a box by `key` (or `item`), and answers what its window shows, then closes it unanswered.
    QString shownTitleOfBoxOpenedBy(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, const char* item = nullptr)
    {
        if (item) {
            for (QAction* action : window_->findChildren<QAction*>())
                if (action->text() == item)
                    action->trigger();
        } else {
            QTest::keyClick(window_.get(), key, modifiers);
        }
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box)
            return "no box";
        const QString shown = shownTitle(box);
        box->reject();
        return box->windowTitle() == shown ? shown : box->windowTitle() + " shown as " + shown;
    }

private slots:
    void initTestCase() { MainWindow::tieToDesktopEntry(); }

    void init()
    {
        dir_ = fs::temp_directory_path() / ("kelvaro-window-" + std::to_string(QCoreApplication::applicationPid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "Maps");
        writeLevel(dir_ / "Maps" / "maze1.txt",
                   {"########", "########", "##S.*G##", "##....##", "########", "########"}, 60);
        writeLevel(dir_ / "Maps" / "maze2.txt",
                   {"##########", "##########", "##S.....##", "##.o.*.G##", "##########", "##########"}, 2);
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((dir_ / "data").string()));  // records stay here
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((dir_ / "config").string()));  // and the remembered set
        window_ = std::make_unique<MainWindow>(dir_, MainWindowOptions{nullptr, {}, [this] { return now_; }, {}, &solver_});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->start();
    }

    void cleanup()
    {
        window_.reset();
        fs::remove_all(dir_);
    }

    void startsIdleAsDesigned()
    {
        QCOMPARE(window_->windowTitle(), QString("KELVARO"));
        QCOMPARE(window_->clientArea()->size(), QSize(737, 534));
        QCOMPARE(window_->clientArea()->pos().y(), window_->menuBar()->height());  // the menus lie outside it
        const struct {
            const char* text;
            QRect place;
            bool visible;
        } labels[] = {
            {"LEVEL :", {568, 24, 129, 25}, true},         {"TIME :", {568, 64, 121, 25}, true},
            {"GAME PAUSED", {568, 104, 169, 25}, false},   {"Waiting to play ...", {104, 152, 169, 25}, true},
            {"WINNER!", {568, 320, 150, 40}, false},       {"GAME OVER", {560, 352, 206, 40}, false},
            {"P = PAUSE", {640, 504, 97, 25}, true},
        };
        for (const auto& expected : labels) {
            QLabel* label = labelWithText(window_.get(), expected.text);
            QVERIFY2(label, expected.text);
            QCOMPARE(label->geometry(), expected.place);
            QCOMPARE(label->isVisibleTo(window_.get()), expected.visible);
            // Every caption fits its label.
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= expected.place.width(), expected.text);
        }
        QCOMPARE(labelWithText(window_.get(), "GAME OVER")->palette().color(QPalette::WindowText), QColor(Qt::red));
        for (const char* caption : {"Next", "Abort", "Retry"})
            QVERIFY(!button(window_.get(), caption)->isVisibleTo(window_.get()));

        QMap<QString, QAction*> items;
        for (QAction* action : window_->findChildren<QAction*>())
            items[action->text()] = action;
        QCOMPARE(items["New game"]->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(items["End game"]->shortcut(), QKeySequence(Qt::Key_F4));
        QCOMPARE(items["Restart level"]->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(items["Exit"]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
        QCOMPARE(items["Sound"]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
        QCOMPARE(items["Game help"]->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(items["About..."]->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(items["Choose level…"]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
        QVERIFY(!items["End game"]->isEnabled());
        QVERIFY(!items["Restart level"]->isEnabled());
        QVERIFY(items["Sound"]->isChecked());
    }

    // A desktop shows each caption as it is, with no program name added.
    void everyWindowIsTitledExactlyWithItsCaption()
    {
        QCOMPARE(QGuiApplication::desktopFileName(), QString("org.kelvaro.kelvaro"));
        QCOMPARE(shownTitle(window_.get()), QString("KELVARO"));
        QCOMPARE(shownTitleOfBoxOpenedBy(Qt::Key_F2), QString("Level selection"));
        QCOMPARE(shownTitleOfBoxOpenedBy(Qt::Key_X, Qt::ControlModifier), QString("Exit Kelvaro"));
        QCOMPARE(shownTitleOfBoxOpenedBy(Qt::Key_F1), QString("HELP"));
        QCOMPARE(shownTitleOfBoxOpenedBy(Qt::Key_F5), QString("About Kelvaro"));
        QCOMPARE(shownTitleOfBoxOpenedBy({}, {}, "Records"), QString("Records"));

        answerNewGame("1");
        run(24 * 10 + 700 + 10);  // End game and Restart level wait for the start effect
        QCOMPARE(shownTitleOfBoxOpenedBy(Qt::Key_F4), QString("Exit current game"));
        QCOMPARE(shownTitleOfBoxOpenedBy(Qt::Key_F3), QString("Restart level "));

        // The OK box without a title of its own shows the program's, not its file's name.
        answerNewGame("7");
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->text(), QString("Level file not found !"));
        QCOMPARE(shownTitle(box), QString("Kelvaro"));
        box->accept();
    }

    void playsALevelToAWinAndGoesOnWithNext()
    {
        answerNewGame("1");
        QCOMPARE(labelWithText(window_.get(), "LEVEL")->text(), QString("LEVEL : 1"));
        QCOMPARE(labelWithText(window_.get(), "TIME")->text(), QString("TIME : 60"));
        QVERIFY(!labelWithText(window_.get(), "Waiting")->isVisibleTo(window_.get()));
        run(24 * 10 + 700 + 10);  // the start effect: 24 tiles in two rings, then 0.7 s
        QCOMPARE(window_->model().engine.phase(), Engine::Phase::playing);

        // Hold Right and Ctrl: walk one cell, then push the jewel onto the goal.
        QTest::keyPress(keyTarget(), Qt::Key_Right);
        QTest::keyPress(keyTarget(), Qt::Key_Control);
        run(1000);
        QTest::keyRelease(keyTarget(), Qt::Key_Right);
        QTest::keyRelease(keyTarget(), Qt::Key_Control);

        QLabel* winner = labelWithText(window_.get(), "WINNER!");
        QVERIFY(winner->isVisibleTo(window_.get()));
        QCOMPARE(winner->pos(), QPoint(256 / 2 - 75, 192 / 2 - 20));
        QPushButton* next = button(window_.get(), "Next");
        QCOMPARE(next->pos(), QPoint(53 + 75 - 105, 76 + 56));
        QCOMPARE(button(window_.get(), "Abort")->pos(), QPoint(53 + 75 + 8, 76 + 56));
        QCOMPARE(QApplication::focusWidget(), next);

        QTest::keyClick(next, Qt::Key_Return);  // Enter activates Next
        QCOMPARE(labelWithText(window_.get(), "LEVEL")->text(), QString("LEVEL : 2"));
        QVERIFY(!winner->isVisibleTo(window_.get()));

        // The button that had the focus is gone: the arrow keys still reach the game.
        run(40 * 10 + 700 + 10);
        const int before = window_->model().engine.playerx();
        QTest::keyPress(keyTarget(), Qt::Key_Right);
        run(300);
        QTest::keyRelease(keyTarget(), Qt::Key_Right);
        QCOMPARE(int(window_->model().engine.playerx()), before + 1);
    }

    void losesALevelAndRetries()
    {
        answerNewGame("2.7");
        run(2000);
        // Keys held while the window loses the focus are forgotten.
        QTest::keyPress(keyTarget(), Qt::Key_Down);
        QVERIFY(window_->keys().down(Key::down));
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(window_.get(), &deactivate);
        QVERIFY(!window_->keys().down(Key::down));

        run(2100);  // two seconds of countdown
        QCOMPARE(labelWithText(window_.get(), "TIME")->text(), QString("TIME : 0"));
        QLabel* over = labelWithText(window_.get(), "GAME OVER");
        QVERIFY(over->isVisibleTo(window_.get()));
        QCOMPARE(over->pos(), QPoint(320 / 2 - 103, 192 / 2 - 20));
        QPushButton* retry = button(window_.get(), "Retry");
        QCOMPARE(QApplication::focusWidget(), retry);
        // P does nothing after a loss.
        QTest::keyClick(keyTarget(), Qt::Key_P);
        QVERIFY(!labelWithText(window_.get(), "GAME PAUSED")->isVisibleTo(window_.get()));

        QTest::keyClick(retry, Qt::Key_Return);
        QVERIFY(!over->isVisibleTo(window_.get()));
        QCOMPARE(window_->model().engine.phase(), Engine::Phase::spiral_ring);
    }

    void helpAndAboutPauseThePlayAndShowTheirText()
    {
        answerNewGame("1");
        run(1000);
        QTest::keyClick(window_.get(), Qt::Key_F1);
        auto* help = qobject_cast<TextWindow*>(QApplication::activeModalWidget());
        QVERIFY(help);
        QVERIFY(labelWithText(window_.get(), "GAME PAUSED")->isVisibleTo(window_.get()));
        QCOMPARE(help->windowTitle(), QString("HELP"));
        QCOMPARE(help->size(), QSize(196, 114));
        QCOMPARE(help->palette().color(QPalette::Window), QColor(64, 0, 0));
        QCOMPARE(help->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(help->lines(), QStringList({"", "  This is simple:", "  Move Kelvaro using the arrow keys.",
                                             "  Use the Ctrl key to push the obstacles.",
                                             "  If you move the ball on the 'goal' point",
                                             "  before time expires,you win!"}));
        for (const QString& line : help->lines())
            QVERIFY2(help->fontMetrics().horizontalAdvance(line) <= 196, qPrintable(line));
        help->reject();
        run(100);
        QVERIFY(labelWithText(window_.get(), "GAME PAUSED")->isVisibleTo(window_.get()));  // still paused

        QTest::keyClick(window_.get(), Qt::Key_F5);
        auto* about = qobject_cast<TextWindow*>(QApplication::activeModalWidget());
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QString("About Kelvaro"));
        QCOMPARE(about->size(), QSize(280, 56));
        QCOMPARE(about->lines().size(), 4);
        QVERIFY(about->fontMetrics().height() * 4 <= 56);
        about->reject();
        QTest::keyClick(keyTarget(), Qt::Key_P);
        QVERIFY(!labelWithText(window_.get(), "GAME PAUSED")->isVisibleTo(window_.get()));
        QCOMPARE(window_->model().engine.paused(), 0);
    }

    void theNewItemsFollowTheDesignedOnes()
    {
        QStringList menus;
        for (QAction* menu : window_->menuBar()->actions()) {
            QStringList items;
            for (QAction* item : menu->menu()->actions())
                items << item->text();
            menus << menu->text() + ": " + items.join(", ");
        }
        QCOMPARE(menus, QStringList({"Game: New game, End game, Restart level, Exit, Records, Choose level…, Open level folder…, "
                                     "Generated puzzle…, Daily puzzle, Keep this level, Redo, Replay my solution, Show a solution, Copy level, Paste level",
                                     "Options: Sound, Zoom in, Zoom out, Actual size, Full screen, Language, Keys…",
                                     "Help: Game help, About..., Hint"}));
    }

    // Ctrl+C puts the level in play on the system clipboard as its file's lines; Ctrl+V plays a
    // picture found there.
    void copyAndPasteThroughTheSystemClipboard()
    {
        const fs::path file = dir_ / "Maps" / "maze3.txt";
        writeLevel(file, {"##########", "##########", "##S.....##", "##.o.*.G##", "##########", "##########"}, 60);
        answerNewGame("3");
        run(40 * 10 + 700 + 10);
        QTest::keyClick(keyTarget(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text().toStdString(), writeRecord(toRecord(loadGameLevel(file).value())));
        QGuiApplication::clipboard()->setText("time 40\n#######\n##S*G##\n#######\n");
        QTest::keyClick(keyTarget(), Qt::Key_V, Qt::ControlModifier);
        run(2000);
        QCOMPARE(int(window_->model().engine.maxx()), 6);
        QCOMPARE(int(window_->model().engine.maxy()), 2);
        QCOMPARE(int(window_->model().engine.playerx()), 2);
    }

    // Backspace takes back a walk; H outlines the next push over the playfield, leaving the
    // window's surface as it was, and a win is kept in the records.
    void takeBackHintAndRecordsThroughTheWindow()
    {
        writeLevel(dir_ / "Maps" / "maze3.txt",
                   {"##########", "##########", "##S.....##", "##.o.*.G##", "##########", "##########"}, 60);
        answerNewGame("3");
        run(40 * 10 + 700 + 10);
        QTest::keyPress(keyTarget(), Qt::Key_Right);
        run(30);
        QTest::keyRelease(keyTarget(), Qt::Key_Right);
        run(300);
        QCOMPARE(int(window_->model().engine.playerx()), 3);
        QTest::keyClick(keyTarget(), Qt::Key_Backspace);
        run(30);
        QCOMPARE(int(window_->model().engine.playerx()), 2);

        const QImage before = window_->clientArea()->grab().toImage();
        QTest::keyClick(keyTarget(), Qt::Key_H);
        const HintOutline hint = window_->model().controls.hintOutline;
        QVERIFY(hint.visible);
        QCOMPARE(QPoint(hint.objectx, hint.objecty), QPoint(5, 3));  // the jewel, pushed right
        QCOMPARE(QPoint(hint.sidex, hint.sidey), QPoint(4, 3));
        const QImage shown = window_->clientArea()->grab().toImage();
        const QPoint edge(5 * 32 + 1, 3 * 32 + 16);
        QCOMPARE(shown.pixelColor(edge), QColor(255, 255, 0));
        QCOMPARE(QColor(window_->model().controls.windowSurface.at(edge.x(), edge.y())), before.pixelColor(edge));
        run(2000);
        QCOMPARE(window_->clientArea()->grab().toImage().pixelColor(edge), before.pixelColor(edge));

        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}) {  // to (4, 3)
            QTest::keyPress(keyTarget(), key);
            run(30);
            QTest::keyRelease(keyTarget(), key);
            run(300);
        }
        QTest::keyPress(keyTarget(), Qt::Key_Right);  // and push the jewel home
        QTest::keyPress(keyTarget(), Qt::Key_Control);
        run(1500);
        QTest::keyRelease(keyTarget(), Qt::Key_Right);
        QTest::keyRelease(keyTarget(), Qt::Key_Control);
        QVERIFY(labelWithText(window_.get(), "WINNER!")->isVisibleTo(window_.get()));
        std::ifstream records(dir_ / "data" / "kelvaro" / "records.txt");
        std::string header, line;
        std::getline(records, header);
        std::getline(records, line);
        std::getline(records, line);
        // Kept under the level's content, not its number.
        const std::string digest = levelDigest(loadGameLevel(dir_ / "Maps" / "maze3.txt").value());
        QCOMPARE(QString::fromStdString(line).section(' ', 0, 0), QString::fromStdString(digest));
    }

    void aMissingLevelIsReportedAndLeadsToIdle()
    {
        answerNewGame("7");
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->text(), QString("Level file not found !"));
        box->accept();
        QVERIFY(!window_->model().engine.playing());
        QVERIFY(window_->model().controls.bannerTimer.enabled);
    }

    // A launcher or script must see that the game could not start: the program's event
    // loop ends with status 1 once the player has read the message.
    void aSoundThatCannotBeLoadedEndsTheEventLoopWithAFailure()
    {
        const auto failure = [] { return std::optional<std::string>("\"win.wav\": the file is missing."); };
        MainWindow window(dir_, MainWindowOptions{nullptr, failure, [this] { return now_; }});
        window.show();
        QEventLoop program;
        QString shown;
        QTimer::singleShot(0, &window, [&] {
            window.start();
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        QTimer::singleShot(10000, &program, [&] { program.exit(99); });  // only a broken build waits
        QCOMPARE(program.exec(), 1);
        QCOMPARE(shown, QString("\"win.wav\": the file is missing."));
    }

    void aNamedLevelFileIsPlayedAtOnceAndAgainAfterNext()
    {
        // As the editor's test play starts the game: a file outside the Maps folder.
        const fs::path file = dir_ / "test-play.txt";
        writeLevel(file, {"#######", "#######", "##S*G##", "#######", "#######"}, 45);
        window_ = std::make_unique<MainWindow>(dir_, MainWindowOptions{nullptr, {}, [this] { return now_; }, file});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->start();
        QCOMPARE(labelWithText(window_.get(), "TIME")->text(), QString("TIME : 45"));
        run(24 * 10 + 700 + 10);
        QCOMPARE(window_->model().engine.phase(), Engine::Phase::playing);
        QTest::keyPress(keyTarget(), Qt::Key_Right);
        QTest::keyPress(keyTarget(), Qt::Key_Control);
        run(500);
        QTest::keyRelease(keyTarget(), Qt::Key_Right);
        QTest::keyRelease(keyTarget(), Qt::Key_Control);
        QVERIFY(labelWithText(window_.get(), "WINNER!")->isVisibleTo(window_.get()));
        QTest::keyClick(button(window_.get(), "Next"), Qt::Key_Return);
        QCOMPARE(labelWithText(window_.get(), "TIME")->text(), QString("TIME : 45"));  // the same file again
    }

    // The editor's test play: Game > Records lists the one level in play, its record and par,
    // and the solver searches it once.
    void recordsInTestPlayListTheOneLevelOfTheFile()
    {
        struct CountingSolver : InlineSolver {
            int searches = 0;
            void solve(GameLevel position, std::function<void(const Solution&)> done) override
            {
                ++searches;
                InlineSolver::solve(std::move(position), std::move(done));
            }
        } solver;
        const fs::path file = dir_ / "test-play.txt";
        writeLevel(file, {"#######", "#######", "##S*G##", "#######", "#######"}, 45);
        window_ = std::make_unique<MainWindow>(dir_, MainWindowOptions{nullptr, {}, [this] { return now_; }, file, &solver});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->start();
        run(24 * 10 + 700 + 10);
        const int searches_before = solver.searches;  // the aid's own look at the position
        for (QAction* action : window_->findChildren<QAction*>())
            if (action->text() == "Records")
                action->trigger();
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QTableWidget* levels = nullptr;
        for (QTableWidget* table : box->findChildren<QTableWidget*>())
            if (table->horizontalHeaderItem(0) && table->horizontalHeaderItem(0)->text() == "Level")
                levels = table;
        QVERIFY(levels);
        QCOMPARE(levels->rowCount(), 1);
        QCOMPARE(levels->item(0, 4)->text(), QString("1"));  // the par: one push
        QCOMPARE(solver.searches - searches_before, 1);
        box->reject();
    }

    // Ctrl+G with a code: the level played is the one level_forge writes for it, its code in the title.
    void aTypedCodePlaysTheLevelFileOfItsCode()
    {
        InlineForge forge;  // answers at once: the worker thread has tests of its own
        MainWindowOptions options{nullptr, {}, [this] { return now_; }, {}, &solver_};
        options.forge = &forge;
        window_ = std::make_unique<MainWindow>(dir_, options);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->start();
        answerNewGame("1");
        run(24 * 10 + 700 + 10);
        QTest::keyClick(window_.get(), Qt::Key_G, Qt::ControlModifier);
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(shownTitle(box), QString("Generated puzzle"));
        box->findChild<QLineEdit*>()->setText("m-7");
        box->accept();
        QVERIFY(!QApplication::activeModalWidget() || !QApplication::activeModalWidget()->isVisible());
        run(4000);
        QCOMPARE(window_->model().engine.phase(), Engine::Phase::playing);
        QCOMPARE(shownTitle(window_.get()), QString("KELVARO — M-00007"));
        QCOMPARE(labelWithText(window_.get(), "LEVEL")->text(), QString("LEVEL :"));

        const std::optional<std::string> bytes = forge::levelFileForCode({forge::Grade::medium, 7});
        QVERIFY(bytes);
        std::istringstream file(*bytes);
        const Result<GameLevel> level = readGameLevel(file);
        QVERIFY(level);
        const Engine& engine = window_->model().engine;
        QCOMPARE(engine.startedDigest(), levelDigest(level.value()));
        QVERIFY(engine.maze().cells() == level.value().maze.cells());

        // New game leaves the puzzle for the numbered levels, and the title its code.
        answerNewGame("1");
        QCOMPARE(shownTitle(window_.get()), QString("KELVARO"));
    }
};

} // namespace kelvaro

QTEST_MAIN(kelvaro::MainWindowTest)
#include "main_window_test.moc"

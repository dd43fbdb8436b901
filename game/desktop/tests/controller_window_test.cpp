// SPDX-License-Identifier: GPL-3.0-or-later
// A game controller playing through the real window, offscreen on a fake clock: SDL's virtual
// joystick stands for the device. Also the play loop's rest while nothing is held.
#include "game/desktop/controller/tests/virtual_pad.h"
#include "game/desktop/main_window.h"
#include "game/desktop/tests/window_test_support.h"

#include <QApplication>
#include <QInputDialog>
#include <QTest>

#include <filesystem>

namespace kelvaro {
namespace fs = std::filesystem;

class ControllerWindowTest : public QObject {
    Q_OBJECT

    fs::path dir_;
    std::uint32_t now_ = 5000;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<VirtualPad> pad_;

    // Moves the fake clock on 5 ms at a time; the controllers are read at each of those moments.
    void run(int ms)
    {
        for (int t = 0; t < ms; t += 5) {
            now_ += 5;
            window_->controllers().pump();
            window_->tick();
        }
    }
    void press(SDL_GameControllerButton button, bool down)
    {
        pad_->button(button, down);
        window_->controllers().pump();
    }
    GameWindowModel& model() { return window_->model(); }
    bool shows(const char* text) { return labelWithText(window_.get(), text)->isVisibleTo(window_.get()); }

    // Level 1 through New game, played up to the end of its start effect.
    void startLevelOne()
    {
        model().post(Command::newGameItem);
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        box->setTextValue("1");
        box->accept();
        run(24 * 10 + 700 + 30);
        QCOMPARE(model().engine.phase(), Engine::Phase::playing);
    }

private slots:
    void init()
    {
        dir_ = fs::temp_directory_path() / ("kelvaro-pad-" + std::to_string(QCoreApplication::applicationPid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "Maps");
        writeLevel(dir_ / "Maps" / "maze1.txt",
                   {"########", "########", "##S.*G##", "##....##", "########", "########"}, 60);
        writeLevel(dir_ / "Maps" / "maze2.txt",
                   {"########", "########", "##S...##", "##....##", "########", "########"}, 60);
        window_ = std::make_unique<MainWindow>(dir_, MainWindowOptions{nullptr, {}, [this] { return now_; }});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->start();
        pad_ = std::make_unique<VirtualPad>();
        QVERIFY2(pad_->plugged(), SDL_GetError());
        window_->controllers().pump();
        QCOMPARE(window_->controllers().connected(), 1);
    }

    void cleanup()
    {
        pad_.reset();
        window_.reset();
        fs::remove_all(dir_);
    }

    void backOpensNewGameAndTheDpadWalksAndAPushesToAWinAndBPressesNext()
    {
        startLevelOne();
        press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
        run(240);  // one walk: a step and eight frames
        press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
        QCOMPARE(int(model().engine.playerx()), 3);

        press(SDL_CONTROLLER_BUTTON_A, true);  // facing the jewel, the goal beyond
        run(300);
        press(SDL_CONTROLLER_BUTTON_A, false);
        QVERIFY(shows("WINNER!"));
        QCOMPARE(QApplication::focusWidget(), button(window_.get(), "Next"));

        press(SDL_CONTROLLER_BUTTON_B, true);
        press(SDL_CONTROLLER_BUTTON_B, false);
        QCOMPARE(labelWithText(window_.get(), "LEVEL")->text(), QString("LEVEL : 2"));
    }

    void startPausesAndResumesButNotThroughAnOpenBox()
    {
        startLevelOne();
        press(SDL_CONTROLLER_BUTTON_START, true);
        press(SDL_CONTROLLER_BUTTON_START, false);
        QVERIFY(shows("GAME PAUSED"));
        QCOMPARE(model().engine.paused(), 1);

        press(SDL_CONTROLLER_BUTTON_BACK, true);  // New game: asked over the paused level
        press(SDL_CONTROLLER_BUTTON_BACK, false);
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        press(SDL_CONTROLLER_BUTTON_START, true);  // the box is open: nothing happens
        press(SDL_CONTROLLER_BUTTON_START, false);
        QCOMPARE(model().engine.paused(), 1);
        box->reject();

        press(SDL_CONTROLLER_BUTTON_START, true);
        press(SDL_CONTROLLER_BUTTON_START, false);
        QVERIFY(!shows("GAME PAUSED"));
        QCOMPARE(model().engine.paused(), 0);
    }

    void aControllerRemovedDuringAWalkLeavesNoKeyHeld()
    {
        startLevelOne();
        press(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
        run(30);  // the walk down has begun
        QCOMPARE(model().engine.phase(), Engine::Phase::animating);
        pad_->unplug();
        window_->controllers().pump();
        QCOMPARE(window_->controllers().connected(), 0);
        QVERIFY(!window_->keys().down(Key::down));
        QVERIFY(!window_->controllers().polling());  // nothing left to read
        run(1000);
        QCOMPARE(int(model().engine.playery()), 3);  // the walk under way ended; no other followed
    }

    // With nothing held the play loop rests: the window wakes for the countdown only, and a
    // key or a controller button brings the next step at once.
    void theLoopRestsUntilAKeyOrAButtonIsDown()
    {
        pad_.reset();  // the keyboard alone
        window_->controllers().pump();
        startLevelOne();
        run(100);
        QVERIFY(model().waitsForKeys());
        QVERIFY(window_->scheduledIn() > 25);  // the next countdown tick, not the next step
        QTest::keyPress(window_.get(), Qt::Key_Left);  // toward the border: the player only turns
        QVERIFY(window_->scheduledIn() <= 25);  // the step, 25 ms after the last at most
        run(25);
        QCOMPARE(int(model().engine.playerdir()), 1);
        QTest::keyRelease(window_.get(), Qt::Key_Left);
        run(30);
        QVERIFY(window_->scheduledIn() > 25);
    }
};

} // namespace kelvaro

QTEST_MAIN(kelvaro::ControllerWindowTest)
#include "controller_window_test.moc"

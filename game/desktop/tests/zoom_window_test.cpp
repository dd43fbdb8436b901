// SPDX-License-Identifier: GPL-3.0-or-later
// The game's window zoomed and full screen, offscreen on a fake clock: the enlarged scene is the
// designed one pixel for pixel, its buttons answer where they are drawn, and the choice is kept.
#include "game/desktop/main_window.h"
#include "game/desktop/tests/window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include <filesystem>
#include <fstream>
#include <limits>

namespace kelvaro {
namespace fs = std::filesystem;

class ZoomWindowTest : public QObject {
    Q_OBJECT

    fs::path dir_;
    std::uint32_t now_ = 1000;
    InlineSolver solver_;
    std::unique_ptr<MainWindow> window_;

    void run(int ms) { runWindow(*window_, now_, ms); }

    void open(std::optional<fs::path> settings = std::nullopt)
    {
        MainWindowOptions options{nullptr, {}, [this] { return now_; }, {}, &solver_};
        options.settings_file = std::move(settings);
        window_ = std::make_unique<MainWindow>(dir_, options);
        window_->show();
        // Shown and the active window, as an inactive one draws its focus otherwise. Waits for that
        // state itself, for as long as a loaded machine takes to deliver it (CTest's timeout ends a hang).
        window_->activateWindow();
        QVERIFY(QTest::qWaitFor([this] { return window_->windowHandle()->isExposed() && window_->isActiveWindow(); },
                                std::numeric_limits<int>::max()));
        window_->start();
    }

    void play(int level)
    {
        window_->model().post(Command::newGameItem);
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        box->setTextValue(QString::number(level));
        box->accept();
        run(2000);
        QCOMPARE(window_->model().engine.phase(), Engine::Phase::playing);
    }

    QWidget* keyTarget() const { return QApplication::focusWidget() ? QApplication::focusWidget() : window_.get(); }

    // The scene as the player sees it at the present zoom.
    QImage seen() const
    {
        QWidget* shown = window_->sceneView()->isVisible() ? static_cast<QWidget*>(window_->sceneView())
                                                            : window_->clientArea();
        return shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // Fails with the first pixel where `zoomed` is not `plain` enlarged by `k`, nearest neighbour.
    static void compareEnlarged(const QImage& plain, const QImage& zoomed, int k)
    {
        QCOMPARE(zoomed.size(), plain.size() * k);
        const QImage expected = plain.scaled(plain.size() * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                if (expected.pixel(x, y) != zoomed.pixel(x, y))
                    QFAIL(qPrintable(QString("differs at %1,%2").arg(x).arg(y)));
    }

    QAction* item(const QString& caption) const
    {
        for (QAction* action : window_->findChildren<QAction*>())
            if (action->text() == caption)
                return action;
        return nullptr;
    }

private slots:
    void init()
    {
        dir_ = fs::temp_directory_path() / ("kelvaro-zoom-" + std::to_string(QCoreApplication::applicationPid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "Maps");
        writeLevel(dir_ / "Maps" / "maze1.txt",
                   {"##########", "##########", "##S.....##", "##.o.*.G##", "##......##", "##########", "##########"}, 60);
        writeLevel(dir_ / "Maps" / "maze2.txt", {"########", "########", "##S.*.##", "######G#", "########"}, 2);
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((dir_ / "data").string()));
        open();
    }

    void cleanup()
    {
        window_.reset();
        fs::remove_all(dir_);
    }

    // In play with the hint outline and a picked crate's marks showing, and after a loss with
    // its banner, sad figure and buttons (the focused one framed), every zoom shows the 1x scene
    // enlarged pixel for pixel.
    void everyZoomIsTheDesignedSceneEnlarged()
    {
        play(1);
        QTest::keyClick(keyTarget(), Qt::Key_H);
        QVERIFY(window_->model().controls.hintOutline.visible);
        QTest::mouseClick(window_->clientArea(), Qt::LeftButton, {}, QPoint(3 * 32 + 16, 3 * 32 + 16));
        QVERIFY(window_->model().controls.pushMarks.visible);
        const QImage plain = seen();
        QCOMPARE(plain.size(), QSize(737, 534));
        window_->setZoom(2);
        QCOMPARE(window_->clientArea()->size(), QSize(737 * 2, 534 * 2));
        compareEnlarged(plain, seen(), 2);

        // Changes while zoomed are shown: a walk, the countdown, the hint gone.
        QTest::keyPress(keyTarget(), Qt::Key_Down);
        run(30);
        QTest::keyRelease(keyTarget(), Qt::Key_Down);
        run(2500);
        QVERIFY(!window_->model().controls.hintOutline.visible);
        const QImage walked = seen();
        window_->setZoom(1);
        compareEnlarged(seen(), walked, 2);

        play(2);
        run(3000);
        QVERIFY(labelWithText(window_.get(), "GAME OVER")->isVisibleTo(window_.get()));
        QCOMPARE(QApplication::focusWidget(), button(window_.get(), "Retry"));
        const QImage lost = seen();
        QTest::keyClick(window_.get(), Qt::Key_Equal, Qt::ControlModifier);
        QTest::keyClick(window_.get(), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(window_->zoom(), 3);
        QApplication::processEvents();  // the focused button's frame is drawn once it has taken the focus
        compareEnlarged(lost, seen(), 3);
    }

    // A click on a button where the enlarged scene draws it presses it; a click off it does not.
    void buttonsAnswerWhereTheyAreDrawn()
    {
        play(2);
        run(3000);
        QPushButton* retry = button(window_.get(), "Retry");
        QVERIFY(retry->isVisibleTo(window_.get()));
        window_->setZoom(4);
        QWidget* view = window_->sceneView();
        QVERIFY(view->isVisible());
        const QPoint drawn = retry->geometry().center() * 4;
        QTest::mouseClick(view, Qt::LeftButton, {}, retry->geometry().center());  // where it would be at 1x
        QVERIFY(labelWithText(window_.get(), "GAME OVER")->isVisibleTo(window_.get()));
        QTest::mouseClick(view, Qt::LeftButton, {}, drawn);
        QVERIFY(!labelWithText(window_.get(), "GAME OVER")->isVisibleTo(window_.get()));
        QCOMPARE(window_->model().engine.phase(), Engine::Phase::spiral_ring);  // retried
    }

    // Walks and a push by clicks on the enlarged scene, with the pointer's hand where they act.
    void aLevelIsWonByTheMouseAloneAtTwice()
    {
        writeLevel(dir_ / "Maps" / "maze3.txt", {"########", "########", "##S..*G#", "##.#####", "########"}, 60);
        window_->setZoom(2);
        play(3);
        QWidget* view = window_->sceneView();
        auto at = [](int x, int y) { return QPoint(x * 32 + 16, y * 32 + 16) * 2; };
        QTest::mouseMove(view, at(4, 2));
        QCOMPARE(view->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(view, at(3, 3));  // a wall
        QCOMPARE(view->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(view, Qt::LeftButton, {}, at(4, 2));
        run(1000);
        QCOMPARE(int(window_->model().engine.playerx()), 4);
        QTest::mouseClick(view, Qt::LeftButton, {}, at(5, 2));  // the jewel beside: one push
        run(1000);
        QVERIFY(labelWithText(window_.get(), "WINNER!")->isVisibleTo(window_.get()));
        QTest::mouseMove(view, at(4, 2));
        QCOMPARE(view->cursor().shape(), Qt::ArrowCursor);  // the level is over
    }

    void theZoomItemsStepFromOneToFour()
    {
        QVERIFY(!item("Zoom out")->isEnabled());
        QVERIFY(!item("Actual size")->isEnabled());
        QCOMPARE(item("Zoom in")->shortcuts(),
                 QList<QKeySequence>({QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)}));
        QCOMPARE(item("Zoom out")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Minus));
        QCOMPARE(item("Actual size")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
        QCOMPARE(item("Full screen")->shortcut(), QKeySequence(Qt::Key_F11));
        for (int i = 0; i < 5; ++i)
            item("Zoom in")->trigger();
        QCOMPARE(window_->zoom(), 4);
        QVERIFY(!item("Zoom in")->isEnabled());
        QCOMPARE(window_->clientArea()->size(), QSize(737 * 4, 534 * 4));
        QCOMPARE(window_->sceneView()->geometry(), window_->clientArea()->geometry());
        QTest::keyClick(window_.get(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(window_->zoom(), 3);
        QTest::keyClick(window_.get(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(window_->zoom(), 1);
        QVERIFY(!window_->sceneView()->isVisible());
        QCOMPARE(window_->clientArea()->size(), QSize(737, 534));
    }

    // Full screen shows the scene on black, centred; Esc or F11 leaves it for the window as it was.
    void fullScreenCentresTheSceneOnBlack()
    {
        window_->setZoom(2);
        QTest::keyClick(window_.get(), Qt::Key_F11);
        QVERIFY(window_->fullScreen());
        QVERIFY(item("Full screen")->isChecked());
        QVERIFY(!item("Zoom in")->isEnabled());
        const SceneScale& scale = window_->sceneView()->scale();
        const QSize area = window_->sceneView()->size();
        QCOMPARE(scale.left, (area.width() - scale.width) / 2);
        QCOMPARE(scale.top, (area.height() - scale.height) / 2);
        const QImage shot = seen();
        QCOMPARE(shot.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(shot.pixel(shot.width() - 1, shot.height() - 1), qRgb(0, 0, 0));
        QTest::keyClick(keyTarget(), Qt::Key_Escape);
        QVERIFY(!window_->fullScreen());
        QCOMPARE(window_->clientArea()->size(), QSize(737 * 2, 534 * 2));
        QTest::keyClick(window_.get(), Qt::Key_F11);
        QTest::keyClick(window_.get(), Qt::Key_F11);
        QVERIFY(!window_->fullScreen());
    }

    // The zoom and full screen come back at the next start; a file that is damaged or holds
    // what the game never wrote gives a plain 1x window.
    void theViewIsKeptAndADamagedFileGivesTheDefaults()
    {
        const fs::path settings = dir_ / "config" / "kelvaro.ini";
        open(settings);
        window_->setZoom(3);
        window_->setFullScreen(true);
        open(settings);
        QCOMPARE(window_->zoom(), 3);
        QVERIFY(window_->fullScreen());
        window_->setFullScreen(false);
        open(settings);
        QVERIFY(!window_->fullScreen());
        QCOMPARE(window_->clientArea()->size(), QSize(737 * 3, 534 * 3));

        for (const std::string& text : {std::string("[view]\nzoom=9\nfullScreen=maybe\n"), std::string("[view]\nzoom=two\n"),
                                        std::string("\x01\xff[[[\n=\n\0zoom", 12)}) {
            std::ofstream(settings, std::ios::binary) << text;
            open(settings);
            QCOMPARE(window_->zoom(), 1);
            QVERIFY(!window_->fullScreen());
            QCOMPARE(window_->clientArea()->size(), QSize(737, 534));
        }
    }
};

} // namespace kelvaro

QTEST_MAIN(kelvaro::ZoomWindowTest)
#include "zoom_window_test.moc"

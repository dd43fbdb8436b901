// SPDX-License-Identifier: GPL-3.0-or-later
// The level chooser offscreen: its sets, thumbnails and figures, a damaged level and a vanished folder, and playing from it through the main window.
#include "game/desktop/level_chooser.h"
#include "game/desktop/level_grid_model.h"
#include "game/desktop/main_window.h"
#include "game/desktop/tests/window_test_support.h"
#include "level/sets/level_home.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QMessageBox>
#include <QTest>

#include <filesystem>
#include <fstream>

namespace kelvaro {
namespace fs = std::filesystem;

namespace {

const std::vector<std::string> small = {"########", "########", "##S.*G##", "##....##", "########", "########"};
const std::vector<std::string> wide = {"############", "############", "##S...o.*.G#", "############", "############"};

} // namespace

class LevelChooserTest : public QObject {
    Q_OBJECT

    fs::path dir_;
    fs::path home_;  // the level home
    Images images_ = loadImages();
    InlineSolver solver_;
    std::uint32_t now_ = 1000;

    ChooserRequest request(std::size_t current = 0)
    {
        ChooserRequest r;
        r.sets.push_back(builtinLevelSet(dir_));
        for (LevelSet& set : setsInHome(home_))
            r.sets.push_back(std::move(set));
        r.current = current;
        r.figures = [](const GameLevel& level) {
            LevelFigures f;
            f.par = level.maze.maxx();  // something to tell one level from another
            return f;
        };
        return r;
    }

    static QStringList labels(const LevelChooser& chooser)
    {
        QStringList out;
        for (int i = 0; i < chooser.setList()->count(); ++i)
            out << chooser.setList()->item(i)->text();
        return out;
    }

    static QMessageBox* openMessage(QWidget* parent)
    {
        for (QMessageBox* box : parent->findChildren<QMessageBox*>())
            if (box->isVisible())
                return box;
        return nullptr;
    }

    void makeSet(const fs::path& folder, const std::string& title, std::initializer_list<int> numbers)
    {
        fs::create_directories(folder);
        if (!title.empty())
            std::ofstream(folder / "set.txt") << "title: " << title << "\nauthor: Someone\n";
        for (int n : numbers)
            writeLevel(folder / ("maze" + std::to_string(n) + ".txt"), n % 2 ? small : wide, 50 + n);
    }

    std::unique_ptr<MainWindow> window(MainWindowOptions options = {})
    {
        options.ticks = [this] { return now_; };
        options.solver = &solver_;
        options.settings_file = dir_ / "config" / "kelvaro.ini";
        auto w = std::make_unique<MainWindow>(dir_, std::move(options));
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            return nullptr;
        w->start();
        return w;
    }

    // F2's question, and the box closed unanswered.
    static QString newGamePrompt(MainWindow& w)
    {
        QTest::keyClick(&w, Qt::Key_F2);
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!box)
            return "no box";
        const QString prompt = box->labelText();
        box->reject();
        return prompt;
    }

private slots:
    void init()
    {
        dir_ = fs::temp_directory_path() / ("kelvaro-chooser-" + std::to_string(QCoreApplication::applicationPid()));
        fs::remove_all(dir_);
        makeSet(dir_ / "Maps", "", {1, 2, 3});
        home_ = dir_ / "data" / "kelvaro" / "levels";
        makeSet(home_ / "a", "Same", {1, 2});
        makeSet(home_ / "b", "Same", {1});
        makeSet(home_ / "Nothing yet", "", {});
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((dir_ / "data").string()));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((dir_ / "config").string()));
    }

    void cleanup() { fs::remove_all(dir_); }

    void listsEverySetTellingSameTitlesApartByFolder()
    {
        LevelChooser chooser(request(), images_);
        QCOMPARE(chooser.windowTitle(), QString("Choose level"));
        QCOMPARE(labels(chooser), QStringList({"Kelvaro — 3 levels", "Nothing yet — empty",
                                               QString::fromStdString("Same (" + (home_ / "a").string() + ") — 2 levels"),
                                               QString::fromStdString("Same (" + (home_ / "b").string() + ") — 1 level")}));
        chooser.setList()->setCurrentRow(1);
        QCOMPARE(chooser.levels().rowCount(), 0);
        QVERIFY(chooser.setInfo().contains("There is no level file"));
        chooser.setList()->setCurrentRow(2);
        QCOMPARE(chooser.levels().rowCount(), 2);
        QVERIFY(chooser.setInfo().startsWith("Same by Someone\n"));
    }

    // Each cell is its picture shrunk to 8 pixels, sampled, never blurred; only the cells
    // the game draws are shown, with the figure where the level starts.
    void thumbnailsAreTheGamesPicturesShrunkCrisply()
    {
        LevelChooser chooser(request(), images_);
        chooser.show();
        const ChooserEntry& first = chooser.levels().entry(0);  // maze1: 8 x 6, so 6 x 4 cells drawn
        QCOMPARE(first.thumbnail.size(), QSize(6 * 8, 4 * 8));
        auto sample = [](const Surface& picture, int x, int y) { return QColor::fromRgb(picture.at(x * 4 + 2, y * 4 + 2)); };
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                QCOMPARE(first.thumbnail.pixelColor(x, y), sample(images_.wall, x, y));                   // cell (1, 1)
                QCOMPARE(first.thumbnail.pixelColor(8 + x, 8 + y), sample(images_.playerRight, x, y));    // the start, (2, 2)
                QCOMPARE(first.thumbnail.pixelColor(24 + x, 8 + y), sample(images_.jewel, x, y));         // (4, 2)
                QCOMPARE(first.thumbnail.pixelColor(32 + x, 8 + y), sample(images_.goal, x, y));          // (5, 2)
            }
        QCOMPARE(entryLines(chooser.levels().entry(1)),
                 QStringList({"not solved", "best time left –", "fewest actions –", "par 11"}));
        QVERIFY(!chooser.levelGrid()->grab().isNull());  // the delegate paints without fault
    }

    void aDamagedLevelIsShownAsSuchAndSaysWhyWhenChosen()
    {
        std::ofstream(dir_ / "Maps" / "maze2.txt", std::ios::trunc) << "7\r\n5\r\n2\r\n2\r\n";  // cut short
        LevelChooser chooser(request(), images_);
        chooser.show();
        QCOMPARE(chooser.levels().rowCount(), 3);  // listed, not hidden
        QCOMPARE(entryLines(chooser.levels().entry(1)), QStringList({"damaged"}));
        QVERIFY(chooser.levels().entry(1).thumbnail.isNull());
        QVERIFY(!chooser.levelGrid()->grab().isNull());

        chooser.levelGrid()->setCurrentIndex(chooser.levels().index(1));
        QTest::keyClick(chooser.levelGrid(), Qt::Key_Return);
        QMessageBox* box = openMessage(&chooser);
        QVERIFY(box);
        QVERIFY2(box->text().startsWith("Level 2 cannot be played.\n\nThe level file "), qPrintable(box->text()));
        QVERIFY2(box->text().endsWith("maze2.txt is damaged:\nline 5: the file ends before the goal column."), qPrintable(box->text()));
        box->accept();
        QVERIFY(chooser.isVisible());
        QVERIFY(!chooser.choice());
    }

    void arrowsAndEnterPlayTheLevelInFocus()
    {
        ChooserRequest r = request(2);
        r.level = 1;
        LevelChooser chooser(r, images_);
        chooser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        QCOMPARE(chooser.levelGrid()->currentIndex().row(), 0);
        QTest::keyClick(chooser.levelGrid(), Qt::Key_Right);
        QCOMPARE(chooser.levelGrid()->currentIndex().row(), 1);
        QTest::keyClick(chooser.levelGrid(), Qt::Key_Return);
        QVERIFY(chooser.choice());
        QCOMPARE(chooser.choice()->number, 2);
        QCOMPARE(chooser.choice()->set.folder, home_ / "a");
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
    }

    // Replay is offered only on a level whose solution the player kept, and answers with it.
    void replayIsOfferedWhereASolutionIsKept()
    {
        ChooserRequest r = request(2);
        r.figures = [](const GameLevel& level) {
            LevelFigures f;
            f.solution_kept = level.maze.maxx() > 8;  // the wide levels: number 2 here
            return f;
        };
        LevelChooser chooser(r, images_);
        chooser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        auto* replay = chooser.findChild<QPushButton*>("replay");
        QVERIFY(replay);
        QVERIFY(!replay->isEnabled());
        QTest::keyClick(chooser.levelGrid(), Qt::Key_Right);
        QVERIFY(replay->isEnabled());
        replay->click();
        QVERIFY(chooser.choice());
        QCOMPARE(chooser.choice()->number, 2);
        QVERIFY(chooser.choice()->replay);
    }

    void aFolderThatVanishesWhileOpenIsSaidToBeGone()
    {
        LevelChooser chooser(request(2), images_);
        chooser.show();
        fs::remove_all(home_ / "a");
        QTest::keyClick(chooser.levelGrid(), Qt::Key_Return);
        QMessageBox* box = openMessage(&chooser);
        QVERIFY(box);
        QCOMPARE(box->text(), QString::fromStdString("Level 1 cannot be played.\n\nIts folder " + (home_ / "a").string() +
                                                     " no longer exists."));
        box->accept();
        QVERIFY(!chooser.choice());
        chooser.setList()->setCurrentRow(0);
        chooser.setList()->setCurrentRow(2);
        QCOMPARE(chooser.levels().rowCount(), 0);
        QVERIFY(chooser.setInfo().contains("The folder no longer exists."));
        QVERIFY(chooser.setList()->item(2)->text().endsWith("— cannot be read"));
    }

    // Through the window: Ctrl+L, a level of another set, played; the set is remembered for
    // the next run, which starts idle and asks within that set.
    void ctrlLChoosesALevelThatIsPlayedAndItsSetRemembered()
    {
        auto w = window();
        QVERIFY(w);
        QTest::keyClick(w.get(), Qt::Key_L, Qt::ControlModifier);
        auto* chooser = qobject_cast<LevelChooser*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        QCOMPARE(chooser->setList()->currentRow(), 0);  // the set in play
        chooser->setList()->setCurrentRow(2);
        chooser->levelGrid()->setCurrentIndex(chooser->levels().index(1));
        QTest::keyClick(chooser->levelGrid(), Qt::Key_Return);
        QLabel* level = labelWithText(w.get(), "LEVEL");
        QCOMPARE(level->text(), QString("LEVEL : 2"));
        QCOMPARE(w->model().engine.timeleft(), 52);
        QVERIFY(level->fontMetrics().horizontalAdvance("LEVEL : 999") <= level->width());  // a set's highest fits
        QVERIFY(!QApplication::activeModalWidget());

        w = window();
        QVERIFY(w);
        QVERIFY(!w->model().engine.playing());
        QCOMPARE(newGamePrompt(*w), QString("Enter the level number (1-2)"));
        fs::remove_all(home_ / "a");
        w = window();  // a remembered folder that is gone: the built-in set, silently
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(newGamePrompt(*w), QString("Enter the level number (1-50)"));
    }

    void levelsFolderIsTheSetInPlayAndADamagedSettingsFileIsIgnored()
    {
        makeSet(dir_ / "elsewhere", "", {1, 2, 3});
        MainWindowOptions options;
        options.levels_folder = dir_ / "elsewhere";
        auto w = window(options);
        QVERIFY(w);
        QVERIFY(!w->model().engine.playing());
        QCOMPARE(newGamePrompt(*w), QString("Enter the level number (1-3)"));

        // The next run starts on it again, and the chooser still lists the folder once another set is in play.
        w = window();
        QCOMPARE(newGamePrompt(*w), QString("Enter the level number (1-3)"));
        w->model().setLevelSet(readLevelSet(home_ / "b"));
        QTest::keyClick(w.get(), Qt::Key_L, Qt::ControlModifier);
        auto* chooser = qobject_cast<LevelChooser*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        QVERIFY(labels(*chooser).contains("elsewhere — 3 levels"));
        QCOMPARE(chooser->setList()->currentItem()->text(), QString::fromStdString("Same (" + (home_ / "b").string() + ") — 1 level"));
        chooser->reject();

        fs::remove(dir_ / "config" / "kelvaro.ini");
        fs::create_directories(dir_ / "config" / "kelvaro.ini");  // not even a file
        w = window();
        QCOMPARE(newGamePrompt(*w), QString("Enter the level number (1-50)"));
        fs::remove_all(dir_ / "config" / "kelvaro.ini");
        std::ofstream(dir_ / "config" / "kelvaro.ini", std::ios::binary) << "[game\n\x01\xff=\ncurrent_set=\0\0\n";
        w = window();
        QCOMPARE(newGamePrompt(*w), QString("Enter the level number (1-50)"));
    }
};

} // namespace kelvaro

QTEST_MAIN(kelvaro::LevelChooserTest)
#include "level_chooser_test.moc"

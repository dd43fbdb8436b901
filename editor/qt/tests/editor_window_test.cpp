// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's window driven as an author drives it: clicks, drags, typing and buttons.
#include "editor/qt/editor_window.h"
#include "editor/core/level_folders.h"

#include "assets/art.h"
#include "assets/tests/shown_title.h"
#include "assets/tests/wait_until.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

namespace kelvaro {
namespace fs = std::filesystem;

namespace {

struct Control {
    const char* name;
    QRect rect;
    QString caption;
};

// Every control where the author knows it, with its text at start-up.
const Control controls[] = {
    {"border", {24, 24, 32, 32}, {}},
    {"blank", {69, 24, 36, 36}, {}},
    {"obstacle", {118, 24, 36, 36}, {}},
    {"jewel", {166, 24, 36, 36}, {}},
    {"goal", {215, 24, 36, 36}, {}},
    {"start", {264, 24, 36, 36}, {}},
    {"toolOutline", {17, 16, 48, 48}, {}},
    {"cellReadout", {384, 40, 153, 25}, ""},
    {"xLabel", {600, 40, 17, 17}, "X :"},
    {"xBox", {624, 40, 33, 21}, "15"},
    {"yLabel", {672, 40, 17, 17}, "Y :"},
    {"yBox", {696, 40, 33, 21}, "15"},
    {"timeLabel", {592, 80, 33, 17}, "Time :"},
    {"timeBox", {632, 78, 33, 19}, "75"},
    {"secondsLabel", {672, 80, 25, 17}, "sec."},
    {"nameLabel", {584, 122, 57, 17}, "Filename :"},
    {"nameBox", {640, 120, 105, 19}, "maze1"},
    {"resetButton", {584, 160, 161, 49}, "RESET"},
    {"saveButton", {584, 224, 161, 49}, "SAVE"},
    {"loadButton", {584, 288, 161, 49}, "LOAD"},
    {"note1Label", {560, 352, 201, 49},
     "Note 1: Level name must be \"mazeX\", where X a number from 1 to 999, e.g. maze5 or maze 41 ."},
    {"note2Label", {560, 408, 209, 41},
     "Note 2: Every level MUST contain a start point, an exit point and the round jewel thingy !"},
};

QString captionOf(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        return box->text();
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return button->text();
    return {};
}

QImage cellOf(QWidget* canvas, int cx, int cy)
{
    return canvas->grab(QRect(cx * 32, cy * 32, 32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage plain(const QColor& colour)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir app_folder_;
    std::unique_ptr<EditorWindow> window_;
    QStringList messages_;

    template <typename T = QWidget>
    T* child(const char* name)
    {
        T* found = window_->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QWidget* canvas() { return child("canvas"); }
    EditorState& state() { return window_->state(); }
    fs::path maps() const { return fs::path(app_folder_.path().toStdString()) / "maps"; }

    void type(const char* box, const QString& text)
    {
        auto* edit = child<QLineEdit>(box);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void click(const char* name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    // One stroke on cell (cx, cy) with `tool`, pressed and released as the author does.
    void paint(const char* tool, int cx, int cy)
    {
        click(tool);
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(cx * 32 + 5, cy * 32 + 5));
    }
    // Start (3, 5), jewel (4, 5), goal (8, 5): solvable in 3 walks and 4 pushes.
    void paintCorridor()
    {
        paint("start", 3, 5);
        paint("jewel", 4, 5);
        paint("goal", 8, 5);
    }
    QString readout() { return window_->analysisReadout(); }

private slots:
    void initTestCase() { EditorWindow::tieToDesktopEntry(); }

    void init()
    {
        fs::create_directory(maps());
        window_ = std::make_unique<EditorWindow>(fs::path(app_folder_.path().toStdString()));
        messages_.clear();
        window_->setMessageSink([this](const QString& text) { messages_ << text; });
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup()
    {
        window_.reset();
        fs::remove_all(maps());
    }

    void everyControlAtItsPlaceWithItsCaption()
    {
        QCOMPARE(window_->windowTitle(), QString("Kelvaro level editor v1.00"));
        QCOMPARE(window_->size(), QSize(775, 656));  // taller for the analysis and its buttons
        for (const Control& control : controls) {
            QWidget* widget = child(control.name);
            QVERIFY2(widget->geometry() == control.rect, control.name);
            QVERIFY2(widget->isVisible(), control.name);
            if (!control.caption.isNull())
                QCOMPARE(captionOf(widget), control.caption);
        }
        QCOMPARE(canvas()->mapTo(window_.get(), QPoint(0, 0)), QPoint(16, 88));
        QCOMPARE(canvas()->size(), QSize(512, 512));
    }

    // A desktop shows the caption as it is, with no program name added; the editor's
    // message boxes carry the window's caption.
    void theWindowAndItsMessagesAreTitledExactlyWithTheCaption()
    {
        QCOMPARE(QGuiApplication::desktopFileName(), QString("org.kelvaro.kelvaro.editor"));
        QCOMPARE(shownTitle(window_.get()), QString("Kelvaro level editor v1.00"));

        window_ = std::make_unique<EditorWindow>(fs::path(app_folder_.path().toStdString()));  // its own message box
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QString shown;
        QTimer::singleShot(0, window_.get(), [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = shownTitle(box);
                box->accept();
            }
        });
        type("nameBox", "nothing");
        click("loadButton");
        QCOMPARE(shown, QString("Kelvaro level editor v1.00"));
    }

    void everyCaptionFitsItsControl()
    {
        for (auto* label : window_->findChildren<QLabel*>()) {
            QCOMPARE(QFontInfo(label->font()).family(), QString("DejaVu Sans"));
            const int flags = Qt::AlignLeft | Qt::AlignTop | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect needed = label->fontMetrics().boundingRect(QRect(QPoint(), label->size()), flags, label->text());
            QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                     qPrintable(label->objectName()));
        }
        for (auto* button : window_->findChildren<QPushButton*>())
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width() - 8);
    }

    void palettePicturesAreTheSharedArtwork()
    {
        const std::pair<const char*, const char*> art[] = {{"border", "wall"},  {"blank", "blank"}, {"obstacle", "crate"},
                                                           {"jewel", "jewel"},   {"goal", "goal"},   {"start", "start"}};
        for (auto [tool, name] : art) {
            const QImage shared = artImage(name);
            QVERIFY2(!shared.isNull(), name);
            QWidget* picture = child(tool);
            const QPoint inside = picture->width() == 36 ? QPoint(2, 2) : QPoint(0, 0);
            const QImage shown =
                picture->grab(QRect(inside, QSize(32, 32))).toImage().convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(shown == shared, tool);
        }
    }

    void clickingAToolMovesToolOutline()
    {
        const std::pair<const char*, int> tools[] = {{"start", 5}, {"goal", 2}, {"jewel", 3},
                                                     {"obstacle", 4}, {"blank", 0}, {"border", 1}};
        for (auto [name, code] : tools) {
            click(name);
            QCOMPARE(state().tool, code);
            QCOMPARE(child("toolOutline")->geometry(), QRect(child(name)->x() - 7, 16, 48, 48));
        }
    }

    // The last grid size set by RESET and the last tool come back at the next start; without a
    // settings file, or with a damaged one, the editor starts as it always has.
    void theLastGridSizeAndToolAreRememberedAndDamageIgnored()
    {
        const fs::path file = fs::path(app_folder_.path().toStdString()) / "kelvaro.ini";
        window_->remember(file);
        QCOMPARE(state().tool, int(border));
        type("xBox", "9");
        type("yBox", "7");
        click("resetButton");
        click("goal");

        auto again = std::make_unique<EditorWindow>(fs::path(app_folder_.path().toStdString()));
        again->remember(file);
        QCOMPARE(again->state().tool, int(goal));
        QCOMPARE(again->findChild<QLineEdit*>("xBox")->text(), QString("9"));
        QCOMPARE(again->state().level.maze.columns(), state().level.maze.columns());
        QCOMPARE(again->state().level.maze.rows(), state().level.maze.rows());
        QVERIFY(!again->state().hasUnsavedChanges());

        for (const char* damage : {"[editor]\ngrid_x=300\ngrid_y=-1\ntool=17\n", "\x01\xff[[[=\n\ntool"}) {
            std::ofstream(file, std::ios::binary) << damage;
            auto fresh = std::make_unique<EditorWindow>(fs::path(app_folder_.path().toStdString()));
            fresh->remember(file);
            QCOMPARE(fresh->state().tool, int(border));
            QCOMPARE(fresh->state().texts.xBox, EditorTexts{}.xBox);
            QCOMPARE(fresh->state().texts.yBox, EditorTexts{}.yBox);
        }
        fs::remove(file);
    }

    void pressesPaintThroughTheLastColumnsFirstPixel()
    {
        click("obstacle");
        QTest::mousePress(canvas(), Qt::LeftButton, {}, QPoint(480, 100));
        QTest::mouseRelease(canvas(), Qt::LeftButton, {}, QPoint(480, 100));
        QCOMPARE(state().maze().at(15, 3), AuthorCell(4));
        QTest::mousePress(canvas(), Qt::RightButton, {}, QPoint(10, 100));  // any button paints
        QTest::mouseRelease(canvas(), Qt::RightButton, {}, QPoint(10, 100));
        QCOMPARE(state().maze().at(0, 3), AuthorCell(4));
        const AuthorLevel before = state().level;
        QTest::mousePress(canvas(), Qt::LeftButton, {}, QPoint(481, 100));
        QTest::mouseRelease(canvas(), Qt::LeftButton, {}, QPoint(481, 100));
        QCOMPARE(state().level, before);
        QCOMPARE(cellOf(canvas(), 15, 3), plain(CanvasView::background));
    }

    void draggingPaintsAndTheReadOutFollows()
    {
        click("border");
        QTest::mousePress(canvas(), Qt::LeftButton, {}, QPoint(100, 140));
        for (int x = 132; x <= 260; x += 32)
            QTest::mouseMove(canvas(), QPoint(x, 140));
        QTest::mouseRelease(canvas(), Qt::LeftButton, {}, QPoint(260, 140));
        for (int cx = 3; cx <= 8; ++cx) {
            QCOMPARE(state().maze().at(cx, 4), AuthorCell(1));
            QCOMPARE(cellOf(canvas(), cx, 4), artImage("wall"));
        }
        QTest::mouseMove(canvas(), QPoint(300, 300));
        QCOMPARE(child<QLabel>("cellReadout")->text(), QString("Current : 0"));
        QCOMPARE(state().maze().at(9, 9), AuthorCell(0));
    }

    void saveAndLoadThroughTheBoxesAndButtons()
    {
        click("goal");
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(200, 200));
        type("nameBox", "maze9");
        type("timeBox", "120");
        click("saveButton");
        QVERIFY(messages_.isEmpty());
        QVERIFY(fs::exists(maps() / "maze9.txt"));

        type("timeBox", "7");
        type("xBox", "4");
        type("yBox", "4");
        click("resetButton");  // RESET to 5 x 5 cells: the canvas shrinks
        QCOMPARE(canvas()->size(), QSize(160, 160));
        click("loadButton");
        QVERIFY(messages_.isEmpty());
        QCOMPARE(child<QLineEdit>("timeBox")->text(), QString("120"));
        QCOMPARE(child<QLineEdit>("xBox")->text(), QString("4"));  // LOAD leaves the boxes
        QCOMPARE(canvas()->size(), QSize(512, 512));
        QCOMPARE(cellOf(canvas(), 6, 6), artImage("goal"));
        QTest::mouseMove(canvas(), QPoint(200, 200));
        QCOMPARE(child<QLabel>("cellReadout")->text(), QString("Current : 2"));
    }

    void failuresAreShownAndLoseNothing()
    {
        click("obstacle");
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(100, 100));
        const AuthorLevel level = state().level;

        type("xBox", "abc");
        click("resetButton");
        type("nameBox", "nothing");
        click("loadButton");
        type("timeBox", "1.5");
        click("saveButton");
        QCOMPARE(messages_.size(), 3);
        QVERIFY(messages_[0].startsWith("Could not make a new grid: the X box holds \"abc\""));
        QCOMPARE(messages_[1], "Could not load nothing.txt from " + QString::fromStdString(maps().string()) +
                                   ":\nthe file does not exist.\nThe level in the editor is unchanged.");
        QVERIFY(messages_[2].contains("the time \"1.5\" is not a whole number"));
        QCOMPARE(state().level, level);
        QCOMPARE(cellOf(canvas(), 3, 3), artImage("crate"));
        QVERIFY(!fs::exists(maps() / "nothing.txt"));
    }

    void theCanvasScrollsToReachEveryCell()
    {
        type("xBox", "255");
        type("yBox", "255");
        click("resetButton");
        QCOMPARE(canvas()->size(), QSize(8192, 8192));
        auto* area = child("canvasArea");
        QCOMPARE(area->geometry().topLeft(), QPoint(16, 88));
        QVERIFY(area->geometry().right() < 560);  // clear of the notes
        click("obstacle");
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(254 * 32, 254 * 32));
        QCOMPARE(state().maze().at(254, 254), AuthorCell(4));
        QCOMPARE(cellOf(canvas(), 254, 254), artImage("crate"));
    }

    void theReadOutFollowsTheEditsUntilSolvable()
    {
        waitUntil([&] { return readout() == "marks: missing start, jewel, goal"; });
        paintCorridor();
        for (auto [x, y] : {std::pair{8, 4}, {8, 6}, {7, 5}, {9, 5}})
            paint("border", x, y);
        waitUntil([&] { return readout().endsWith("unsolvable"); });
        paint("blank", 7, 5);
        waitUntil([&] { return readout().startsWith("marks: all placed\nframe: closed\nsolvable: "); });
        QVERIFY(readout().contains("time limit 75 s is enough"));
        type("timeBox", "17");  // the time rule follows the box at once
        QVERIFY2(readout().contains("time limit 17 s is too short"), qPrintable(readout()));
    }

    void theTimeButtonSetsTheLeastFittingLimit()
    {
        auto* fit = child<QPushButton>("fitTimeButton");
        QVERIFY(!fit->isEnabled());
        paintCorridor();
        waitUntil([&] { return fit->isEnabled(); });
        click("fitTimeButton");
        QCOMPARE(child<QLineEdit>("timeBox")->text(), QString("20"));  // needs 17.4 s
        QVERIFY(readout().contains("time limit 20 s is enough (needs 17.4 s)"));
    }

    void theSolutionPlaysAndStoppingRestoresTheCanvasExactly()
    {
        paintCorridor();
        paint("obstacle", 6, 8);
        waitUntil([&] { return child("solutionButton")->isEnabled(); });
        const QImage before = canvas()->grab().toImage();
        const AuthorLevel level = state().level;
        click("solutionButton");
        QVERIFY(state().showingSolution());
        QCOMPARE(child<QPushButton>("solutionButton")->text(), QString("Stop solution"));
        for (int i = 0; i < 3; ++i)
            state().stepSolution();
        window_->toggleSolution();  // the same as the button, stepped without waiting
        QVERIFY(!state().showingSolution());
        QVERIFY(canvas()->grab().toImage() == before);
        QCOMPARE(state().level, level);

        click("solutionButton");  // an edit stops it too
        paint("border", 10, 10);
        QVERIFY(!state().showingSolution());
        QCOMPARE(cellOf(canvas(), 4, 5), artImage("jewel"));
    }

    void undoAndRedoByKeysTakeWholeStrokes()
    {
        const AuthorLevel start = state().level;
        QVERIFY(!child("undoButton")->isEnabled());
        click("border");
        QTest::mousePress(canvas(), Qt::LeftButton, {}, QPoint(100, 140));
        for (int x = 132; x <= 260; x += 32)
            QTest::mouseMove(canvas(), QPoint(x, 140));
        QTest::mouseRelease(canvas(), Qt::LeftButton, {}, QPoint(260, 140));
        const AuthorLevel painted = state().level;
        QCOMPARE(QApplication::focusWidget(), canvas());  // painting took the keys from the boxes
        QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(state().level, start);
        QVERIFY(child("redoButton")->isEnabled());
        QTest::keyClick(window_.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(state().level, painted);
        QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(state().level, painted);

        type("nameBox", "maze7");  // in a box, Ctrl+Z undoes the typing only
        QTest::keyClick(child("nameBox"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(child<QLineEdit>("nameBox")->text(), QString("maze1"));
        QCOMPARE(state().level, painted);
    }

    // Ctrl+C puts the level's picture on the system clipboard; Ctrl+V reads it back as one undo
    // step, and a damaged paste is told and changes nothing.
    void copyAndPasteThroughTheClipboardWithUndo()
    {
        paintCorridor();
        AuthorLevel painted = state().level;
        painted.leveltime = 75;  // the time box's
        QTest::keyClick(window_.get(), Qt::Key_C, Qt::ControlModifier);
        const QString picture = QGuiApplication::clipboard()->text();
        QVERIFY2(picture.startsWith("time 75\n##"), qPrintable(picture));
        paint("border", 6, 6);
        QVERIFY(state().level != painted);
        QTest::keyClick(window_.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(state().level, authorLevelFrom(toRecord(painted)).value());
        QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(state().level != painted);

        QGuiApplication::clipboard()->setText("#####\n#S*G?\n#####\n");
        const AuthorLevel before = state().level;
        QTest::keyClick(window_.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(state().level, before);
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_[0].contains("line 2, column 5"), qPrintable(messages_[0]));
        QCOMPARE(child("editMenuBar")->geometry().intersects(child("saveFolderLabel")->geometry()), false);
    }

    // Between the palette and the canvas, the folder SAVE writes to, clear of every control.
    void theWindowShowsTheFolderItSavesTo()
    {
        auto* shown = child<QLabel>("saveFolderLabel");
        QCOMPARE(shown->text(), "Saves to: " + QString::fromStdString(maps().string()));
        QVERIFY(shown->isVisible());
        for (const Control& control : controls)
            QVERIFY2(!shown->geometry().intersects(control.rect), control.name);
        QVERIFY(!shown->geometry().intersects(child("canvasArea")->geometry()));
        QVERIFY(!shown->geometry().intersects(child("analysisReadout")->geometry()));
    }

    // As installed: SAVE makes "My levels" and writes there, LOAD finds a shipped level
    // beside the program, and the window names the player's folder, shortened to fit.
    void anInstalledEditorSavesInMyLevelsAndSaysSo()
    {
        const fs::path app(app_folder_.path().toStdString());
        const fs::path mine = app / "home" / std::string(120, 'x') / "My levels";
        window_ = std::make_unique<EditorWindow>(LevelFolders{app, mine});
        window_->setMessageSink([this](const QString& text) { messages_ << text; });
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        auto* shown = child<QLabel>("saveFolderLabel");
        QCOMPARE(shown->toolTip(), QString::fromStdString(mine.string()));
        QVERIFY(shown->text().startsWith("Saves to: ") && shown->text().endsWith("/My levels"));
        QVERIFY(shown->text().contains(QChar(0x2026)));
        QVERIFY(shown->fontMetrics().horizontalAdvance(shown->text()) <= shown->width());

        paint("obstacle", 5, 5);
        type("nameBox", "maze3");
        click("saveButton");
        QVERIFY(messages_.isEmpty());
        QVERIFY(fs::exists(mine / "maze3.txt"));
        QVERIFY(fs::is_empty(maps()));
        QCOMPARE(shown->toolTip(), QString::fromStdString(mine.string()));

        std::string shipped = "4\r\n4\r\n\r\n\r\n\r\n\r\n\r\n\r\n33\r\n";  // 5 x 5 border cells, 33 s
        for (int cell = 0; cell < 25; ++cell)
            shipped += "1\r\n";
        std::ofstream(maps() / "maze4.txt", std::ios::binary) << shipped;
        type("nameBox", "maze4");
        click("loadButton");
        QVERIFY(messages_.isEmpty());
        QCOMPARE(child<QLineEdit>("timeBox")->text(), QString("33"));
        QCOMPARE(canvas()->size(), QSize(160, 160));
        fs::remove_all(app / "home");
    }

    void closingAsksOnlyAboutUnsavedWork()
    {
        QStringList asked;
        QMessageBox::StandardButton answer = QMessageBox::Cancel;
        window_->setCloseQuestion([&](const QString& text) { return asked << text, answer; });
        QVERIFY(window_->close());  // nothing changed: no question
        QVERIFY(asked.isEmpty());
        window_->show();
        paint("obstacle", 5, 5);
        QVERIFY(!window_->close());
        QCOMPARE(asked, QStringList{"Save the changes to maze1.txt before closing?"});
        answer = QMessageBox::Save;
        QVERIFY(window_->close());
        QVERIFY(fs::exists(maps() / "maze1.txt"));
        window_->show();
        paint("obstacle", 6, 6);
        answer = QMessageBox::Discard;
        QVERIFY(window_->close());
        QCOMPARE(asked.size(), 3);
    }
};

} // namespace kelvaro

QTEST_MAIN(kelvaro::EditorWindowTest)
#include "editor_window_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's canvas zoomed from 1x to 4x: painting, dragging, the read-out and the solution hit the right cells.
#include "editor/qt/editor_window.h"

#include "assets/art.h"
#include "assets/tests/wait_until.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <filesystem>

namespace kelvaro {
namespace fs = std::filesystem;

class EditorZoomTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    std::unique_ptr<EditorWindow> editor_;

    QWidget* canvas() const { return editor_->findChild<QWidget*>("canvas"); }
    int zoom() const { return editor_->canvasZoom(); }
    // The middle of cell (cx, cy) as the canvas shows it now.
    QPoint cellCentre(int cx, int cy) const { return QPoint(cx * 32 + 16, cy * 32 + 16) * zoom(); }
    void use(const char* tool) { QTest::mouseClick(editor_->findChild<QWidget*>(tool), Qt::LeftButton); }
    void paint(const char* tool, int cx, int cy)
    {
        use(tool);
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, cellCentre(cx, cy));
    }
    // The cell as shown, brought back to 32 x 32 by taking every zoom-th pixel.
    QImage shownCell(int cx, int cy) const
    {
        const int side = 32 * zoom();
        const QImage shown = canvas()->grab(QRect(cx * side, cy * side, side, side)).toImage();
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (shown.pixel(x, y) != shown.pixel(x / zoom() * zoom(), y / zoom() * zoom()))
                    return {};  // not whole blocks: smoothed
        return shown.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .convertToFormat(QImage::Format_ARGB32);
    }
    void wheel(int delta, Qt::KeyboardModifiers modifiers, QPoint at)
    {
        QWheelEvent event(at, canvas()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas(), &event);
    }

private slots:
    void init()
    {
        fs::create_directories(fs::path(folder_.path().toStdString()) / "maps");
        editor_ = std::make_unique<EditorWindow>(fs::path(folder_.path().toStdString()));
        editor_->setMessageSink([](const QString&) {});
        editor_->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor_.get()));
    }
    void cleanup() { editor_.reset(); }

    void everyZoomPaintsDragsAndReadsTheCellUnderThePointer()
    {
        editor_->resize(775, 1200);  // the canvas area grows downward with the window
        auto* area = editor_->findChild<QScrollArea*>("canvasArea");
        auto readout = [this] { return editor_->findChild<QLabel*>("cellReadout")->text(); };
        for (int z = 1; z <= 4; ++z) {
            editor_->setCanvasZoom(z);
            QCOMPARE(zoom(), z);
            QCOMPARE(canvas()->size(), QSize(512, 512) * z);
            area->horizontalScrollBar()->setValue(0);
            area->verticalScrollBar()->setValue(0);
            paint("obstacle", 2, 2);
            QCOMPARE(editor_->state().maze().at(2, 2), AuthorCell(4));
            QCOMPARE(shownCell(2, 2), artImage("crate"));
            // The last pixel of a cell still belongs to it; the next one to its neighbour.
            use("border");
            QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(3 * 32 * z - 1, 4 * 32 * z - 1));
            QCOMPARE(editor_->state().maze().at(2, 3), AuthorCell(1));
            QCOMPARE(editor_->state().maze().at(3, 3), AuthorCell(0));

            use("goal");
            QTest::mousePress(canvas(), Qt::LeftButton, {}, cellCentre(3, 4));
            for (int cy = 5; cy <= 7; ++cy)
                QTest::mouseMove(canvas(), cellCentre(3, cy));
            QTest::mouseRelease(canvas(), Qt::LeftButton, {}, cellCentre(3, 7));
            QCOMPARE(editor_->state().level.goaly, std::int16_t(7));  // the goal followed the drag
            QCOMPARE(shownCell(3, 7), artImage("goal"));

            QTest::mouseMove(canvas(), cellCentre(2, 2));
            QCOMPARE(readout(), QString("Current : 4"));
            QTest::mouseMove(canvas(), cellCentre(3, 5));
            QCOMPARE(readout(), QString("Current : 0"));
        }
    }

    void theWheelWithCtrlAndTheKeysZoomFromOneToFour()
    {
        wheel(120, Qt::NoModifier, QPoint(50, 50));
        QCOMPARE(zoom(), 1);  // without Ctrl the wheel scrolls
        wheel(60, Qt::ControlModifier, QPoint(50, 50));
        QCOMPARE(zoom(), 1);  // half a notch, as a touchpad sends it
        wheel(60, Qt::ControlModifier, QPoint(50, 50));
        QCOMPARE(zoom(), 2);
        wheel(-240, Qt::ControlModifier, QPoint(50, 50));
        QCOMPARE(zoom(), 1);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(editor_.get(), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(zoom(), 4);
        QTest::keyClick(editor_.get(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(zoom(), 3);
        QTest::keyClick(editor_.get(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(zoom(), 1);
    }

    // A big level scrolls at every zoom, and the wheel keeps the cell under the pointer in place.
    void aBigLevelScrollsAndTheWheelZoomsAboutThePointer()
    {
        editor_->findChild<QLineEdit*>("xBox")->setText("255");
        editor_->findChild<QLineEdit*>("yBox")->setText("255");
        QTest::mouseClick(editor_->findChild<QWidget*>("resetButton"), Qt::LeftButton);
        auto* area = editor_->findChild<QScrollArea*>("canvasArea");
        area->horizontalScrollBar()->setValue(100 * 32);
        area->verticalScrollBar()->setValue(50 * 32);
        const QPoint pointer = canvas()->mapFrom(area->viewport(), QPoint(40, 40));  // cell (101, 51)
        wheel(240, Qt::ControlModifier, pointer);
        QCOMPARE(zoom(), 3);
        QCOMPARE(canvas()->size(), QSize(8192, 8192) * 3);
        QCOMPARE(canvas()->mapFrom(area->viewport(), QPoint(40, 40)) / 3, QPoint(101 * 32 + 8, 51 * 32 + 8));
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        paint("obstacle", 254, 254);
        QCOMPARE(editor_->state().maze().at(254, 254), AuthorCell(4));
        QCOMPARE(shownCell(254, 254), artImage("crate"));
    }

    void theSolutionPlaysOnTheZoomedCanvas()
    {
        paint("start", 3, 5);
        paint("jewel", 4, 5);
        paint("goal", 8, 5);
        editor_->setCanvasZoom(2);
        waitUntil([&] { return editor_->findChild<QWidget*>("solutionButton")->isEnabled(); });
        editor_->toggleSolution();
        while (editor_->state().stepSolution()) {
        }
        QCOMPARE(shownCell(8, 5), artImage("jewel"));
        QCOMPARE(shownCell(4, 5), artImage("blank"));
    }
};

} // namespace kelvaro

QTEST_MAIN(kelvaro::EditorZoomTest)
#include "editor_zoom_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// On a screen of twice the density, the editor scales by a whole factor with sharp pixels.
#include "editor/qt/editor_window.h"

#include "assets/tests/sharp_pixels.h"

#include <QTest>

namespace kelvaro {

class EditorHiDpiTest : public QObject {
    Q_OBJECT
private slots:
    void editorCanvasIsSharpAtTwice()
    {
        EditorWindow editor;
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QCOMPARE(editor.devicePixelRatio(), 2.0);
        const QImage shot = editor.grab().toImage();
        QVERIFY(colours(shot, QRect(16 + 32, 88 + 32, 96, 96)) > 3);
        QVERIFY(blocky(shot, QRect(16 + 32, 88 + 32, 96, 96)));  // canvas cells
        QVERIFY(blocky(shot, QRect(24, 24, 32, 32)));            // the border tool
    }
};

} // namespace kelvaro

int main(int argc, char* argv[]) { return kelvaro::runAtTwiceTheDensity<kelvaro::EditorHiDpiTest>(argc, argv); }
#include "editor_hidpi_test.moc"

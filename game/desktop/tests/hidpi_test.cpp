// SPDX-License-Identifier: GPL-3.0-or-later
// On a screen of twice the density, the game scales by a whole factor with sharp pixels.
#include "game/desktop/main_window.h"

#include "assets/tests/sharp_pixels.h"

#include <QApplication>
#include <QInputDialog>
#include <QTest>

#include <filesystem>
#include <fstream>

namespace kelvaro {
namespace fs = std::filesystem;

class HiDpiTest : public QObject {
    Q_OBJECT
private slots:
    void gameWindowIsSharpAtTwice()
    {
        const fs::path dir = fs::temp_directory_path() / ("kelvaro-hidpi-" + std::to_string(getpid()));
        fs::create_directories(dir / "Maps");
        {
            std::ofstream out(dir / "Maps" / "maze1.txt", std::ios::binary);
            out << "5\r\n5\r\n3\r\n2\r\n3\r\n3\r\n2\r\n2\r\n60\r\n";
            for (int x = 0; x <= 5; ++x)
                for (int y = 0; y <= 5; ++y)
                    out << ((x < 1 || y < 1 || x > 4 || y > 4) ? 1 : 0) << "\r\n";
        }
        std::uint32_t now = 0;
        MainWindow window(dir, MainWindowOptions{nullptr, {}, [&now] { return now; }});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.devicePixelRatio(), 2.0);
        window.start();
        window.model().post(Command::newGameItem);
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        box->setTextValue("1");
        box->accept();
        for (int i = 0; i < 200; ++i) {
            now += 10;
            window.tick();
        }
        QCOMPARE(window.model().engine.phase(), Engine::Phase::playing);

        const QImage shot = window.clientArea()->grab().toImage();
        QCOMPARE(shot.size(), QSize(737 * 2, 534 * 2));
        QVERIFY(colours(shot, QRect(32, 32, 128, 128)) > 8);  // the cells really are drawn
        QVERIFY(blocky(shot, QRect(32, 32, 128, 128)));       // the playfield
        QVERIFY(blocky(shot, QRect(570, 154, 100, 150)));     // the title picture

        // Zoomed, the scene rendered at the screen's density is enlarged whole: the text keeps its
        // fine strokes, each device pixel of them a 2 x 2 block; the cells are 4 x 4 blocks.
        window.setZoom(2);
        const QImage zoomed = window.sceneView()->grab().toImage();
        QCOMPARE(zoomed.size(), QSize(737 * 4, 534 * 4));
        QVERIFY(blocky(zoomed, QRect(0, 0, 737 * 2, 534 * 2)));
        const QImage cells = zoomed.scaled(zoomed.size() / 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QVERIFY(blocky(cells, QRect(32, 32, 128, 128)));
        QVERIFY(!blocky(cells, QRect(568, 24, 129, 25)));  // "LEVEL : 1", finer than a scene pixel
        fs::remove_all(dir);
    }
};

} // namespace kelvaro

int main(int argc, char* argv[]) { return kelvaro::runAtTwiceTheDensity<kelvaro::HiDpiTest>(argc, argv); }
#include "hidpi_test.moc"

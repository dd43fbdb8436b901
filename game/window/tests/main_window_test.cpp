// The game's main window as a person first sees it.
#include "game/window/main_window.h"

#include <QTest>

namespace kelvaro {

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void captionAndClientArea()
    {
        MainWindow window(QCoreApplication::applicationDirPath().toStdString());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QString("KELVARO"));
        QCOMPARE(window.clientArea()->size(), QSize(737, 534));
        QCOMPARE(window.clientArea()->palette().color(QPalette::Window), QColor(Qt::black));
    }
};

} // namespace kelvaro

QTEST_MAIN(kelvaro::MainWindowTest)
#include "main_window_test.moc"

// The editor's window as an author first sees it.
#include "editor/editor_window.h"

#include <QTest>

namespace kelvaro {

class EditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void captionAndClientArea()
    {
        EditorWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QString("Kelvaro level editor v1.00"));
        QCOMPARE(window.size(), QSize(775, 546));
    }
};

} // namespace kelvaro

QTEST_MAIN(kelvaro::EditorWindowTest)
#include "editor_window_test.moc"

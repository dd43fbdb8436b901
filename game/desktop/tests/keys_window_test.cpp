// SPDX-License-Identifier: GPL-3.0-or-later
// The player's keys in the real main window, offscreen on a fake clock: a set chosen in Options > Keys,
// walked with and kept for the next run, a key taken twice refused in the box, and the Help naming the keys.
#include "game/desktop/keys_dialog.h"
#include "game/desktop/main_window.h"
#include "game/desktop/tests/window_test_support.h"
#include "game/desktop/text_window.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QKeyEvent>
#include <QSettings>
#include <QTest>

#include <filesystem>

namespace kelvaro {
namespace fs = std::filesystem;

class KeysWindowTest : public QObject {
    Q_OBJECT

    fs::path dir_;
    std::uint32_t now_ = 1000;
    InlineSolver solver_;
    std::unique_ptr<MainWindow> window_;

    fs::path settingsFile() const { return dir_ / "config" / "kelvaro.ini"; }

    void openWindow()
    {
        window_.reset();
        MainWindowOptions options{nullptr, {}, [this] { return now_; }, {}, &solver_};
        options.settings_file = settingsFile();
        window_ = std::make_unique<MainWindow>(dir_, std::move(options));
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->start();
    }

    QWidget* keyTarget() const { return QApplication::focusWidget() ? QApplication::focusWidget() : window_.get(); }

    void playLevelOne()
    {
        QTest::keyClick(window_.get(), Qt::Key_F2);
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        box->setTextValue("1");
        box->accept();
        for (int guard = 0; guard < 400 && window_->model().engine.phase() != Engine::Phase::playing; ++guard)
            runWindow(*window_, now_, 10);
        QCOMPARE(window_->model().engine.phase(), Engine::Phase::playing);
    }

    KeysDialog* openKeys()
    {
        for (QAction* action : window_->findChildren<QAction*>())
            if (action->text() == "Keys…")
                action->trigger();
        return qobject_cast<KeysDialog*>(QApplication::activeModalWidget());
    }

    static QPushButton* ok(QDialog* dialog)
    {
        return dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    }

    // Walks up by holding `key`, through the autorepeat the platform sends while it is held.
    int walkUpWith(Qt::Key key)
    {
        const int before = window_->model().engine.playery();
        QTest::keyPress(keyTarget(), key);
        runWindow(*window_, now_, 100);
        for (QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
            QKeyEvent repeat(type, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(keyTarget(), &repeat);
        }
        runWindow(*window_, now_, 200);
        QTest::keyRelease(keyTarget(), key);
        runWindow(*window_, now_, 100);
        return before - window_->model().engine.playery();
    }

private slots:
    void init()
    {
        dir_ = fs::temp_directory_path() / ("kelvaro-keys-" + std::to_string(QCoreApplication::applicationPid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "Maps");
        fs::create_directories(dir_ / "config");
        writeLevel(dir_ / "Maps" / "maze1.txt", {"#######", "#######", "##...##", "##S*G##", "#######", "#######"}, 60);
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((dir_ / "data").string()));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((dir_ / "config").string()));
        openWindow();
    }

    void cleanup()
    {
        window_.reset();
        fs::remove_all(dir_);
    }

    void wasdChosenWalksAndIsKeptForTheNextRun()
    {
        KeysDialog* keys = openKeys();
        QVERIFY(keys);
        button(keys, "WASD")->click();
        ok(keys)->click();
        QVERIFY(!QApplication::activeModalWidget());
        const QSettings settings(QString::fromStdString(settingsFile().string()), QSettings::IniFormat);
        QCOMPARE(settings.value("keys/up").toString(), QString("W"));
        QCOMPARE(settings.value("keys/takeBack").toStringList(), QStringList({"Backspace", "U"}));

        openWindow();  // the next run reads them back
        QCOMPARE(window_->model().playerKeys().keyboard, KeyBindings::wasd());
        playLevelOne();
        QCOMPARE(walkUpWith(Qt::Key_Up), 0);  // the arrows walk no more
        QVERIFY(!window_->keys().down(Key::up));
        QCOMPARE(walkUpWith(Qt::Key_W), 1);
        QVERIFY(!window_->keys().down(Key::up));

        // A letter that walks is no character key: it does not end a pause.
        QTest::keyClick(keyTarget(), Qt::Key_P);
        QCOMPARE(window_->model().engine.paused(), 1);
        QTest::keyPress(keyTarget(), Qt::Key_S);
        QTest::keyRelease(keyTarget(), Qt::Key_S);
        QCOMPARE(window_->model().engine.paused(), 1);
        QTest::keyClick(keyTarget(), Qt::Key_P);
        QCOMPARE(window_->model().engine.paused(), 0);

        QTest::keyClick(window_.get(), Qt::Key_F1);
        auto* help = qobject_cast<TextWindow*>(QApplication::activeModalWidget());
        QVERIFY(help);
        QCOMPARE(help->lines().at(2), QString("  Move Kelvaro using the W A S D keys."));
        QCOMPARE(help->lines().at(3), QString("  Use the Space key to push the obstacles."));
        help->reject();
    }

    // Backspace takes back the walk; Shift+Backspace is redo's, and takes nothing back.
    void takeBackAndRedoAreTwoKeys()
    {
        playLevelOne();
        QCOMPARE(walkUpWith(Qt::Key_Up), 1);
        QCOMPARE(window_->model().engine.movesMade(), 1u);
        QTest::keyClick(keyTarget(), Qt::Key_Backspace, Qt::ShiftModifier);
        runWindow(*window_, now_, 300);
        QCOMPARE(window_->model().engine.movesMade(), 1u);
        QTest::keyClick(keyTarget(), Qt::Key_Backspace);
        runWindow(*window_, now_, 300);
        QCOMPARE(window_->model().engine.movesMade(), 0u);
    }

    void aKeyTakenTwiceKeepsTheBoxOpenWithTheWord()
    {
        KeysDialog* keys = openKeys();
        QVERIFY(keys);
        auto* cell = keys->findChild<KeyCell*>("key:hint:1");
        QVERIFY(cell);
        cell->click();
        QCOMPARE(cell->text(), QString("Press a key…"));
        QTest::keyClick(cell, Qt::Key_Up);
        QCOMPARE(cell->text(), QString("Up"));
        ok(keys)->click();
        QCOMPARE(QApplication::activeModalWidget(), keys);
        QCOMPARE(keys->findChild<QLabel*>("refusal")->text(), QString("The key Up is chosen for both Walk up and Hint."));

        // Shift+U is one key; Ctrl alone is taken as it comes up.
        keys->findChild<QPushButton*>("clear:hint")->click();
        cell = keys->findChild<KeyCell*>("key:hint:0");
        cell->click();
        QTest::keyClick(cell, Qt::Key_F, Qt::ShiftModifier);
        auto* second = keys->findChild<KeyCell*>("key:hint:1");
        second->click();
        QTest::keyPress(second, Qt::Key_Control, Qt::ControlModifier);
        QTest::keyRelease(second, Qt::Key_Control, Qt::NoModifier);
        QCOMPARE(keys->chosen().keyboard.keys(KeyAction::hint), (KeyBindings::Names{"Shift+F", "Ctrl"}));
        ok(keys)->click();
        QCOMPARE(keys->findChild<QLabel*>("refusal")->text(), QString("The key Ctrl is chosen for both Push and Hint."));
        keys->reject();
        QCOMPARE(window_->model().playerKeys(), PlayerKeys{});
    }
};

} // namespace kelvaro

QTEST_MAIN(kelvaro::KeysWindowTest)
#include "keys_window_test.moc"

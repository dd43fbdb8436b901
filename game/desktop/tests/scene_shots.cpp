// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's 1x scene at named moments of a scripted run, for the browser test that holds the web page to it.
//
// scene_shots SCRIPT OUT_DIR plays the shipped levels in the real main window, offscreen, on a
// fake clock moved in the web page's 25 ms steps. Each line of SCRIPT is "MS ACTION [ARG]", MS
// counted from the first line's moment: "new N" (New game, level N typed into its box), "down
// KEY" / "up KEY" (Right, Left, Up, Down, Control), "shot NAME". A shot writes NAME.png (the
// client area as the player sees it), NAME-surface.png (the engine's drawing surface alone)
// and NAME.json (each label, button and picture over the surface: text, place, shown).
#include "game/desktop/main_window.h"
#include "game/desktop/playfield.h"

#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <cstdio>
#include <map>

namespace kelvaro {
namespace {

QJsonObject placeOf(const QWidget* widget, const QWidget* client)
{
    const QRect r = widget->geometry();
    return {{"x", r.x()}, {"y", r.y()}, {"width", r.width()}, {"height", r.height()},
            {"visible", widget->isVisibleTo(client)}};
}

// Every widget the client area shows over the engine's surface.
QJsonObject widgetsOver(const QWidget* client)
{
    QJsonArray labels, buttons, pictures;
    for (const QObject* child : client->children()) {
        if (const auto* label = qobject_cast<const QLabel*>(child)) {
            QJsonObject o = placeOf(label, client);
            o["text"] = label->text();
            o["colour"] = label->palette().color(QPalette::WindowText).name();
            labels.append(o);
        } else if (const auto* button = qobject_cast<const QPushButton*>(child)) {
            QJsonObject o = placeOf(button, client);
            o["text"] = button->text();
            o["focused"] = button->hasFocus();
            buttons.append(o);
        } else if (const auto* picture = dynamic_cast<const Picture*>(child)) {
            pictures.append(placeOf(picture, client));
        }
    }
    return {{"labels", labels}, {"buttons", buttons}, {"pictures", pictures}};
}

class ScriptedRun {
public:
    ScriptedRun(const std::filesystem::path& data, QString out) : out_(std::move(out))
    {
        window_ = std::make_unique<MainWindow>(data, MainWindowOptions{nullptr, {}, [this] { return now_; }, {}, &solver_});
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_.get()))
            std::fprintf(stderr, "scene_shots: the window was not shown\n");
        window_->start();
        window_->tick();  // as the page does when its clock is stopped
    }

    // Runs one line of the script; false if it is not understood.
    bool act(int at, const QString& action, const QString& arg)
    {
        while (elapsed_ < at) {
            elapsed_ += 25;
            now_ += 25;
            window_->tick();
        }
        if (action == "new")
            return newGame(arg);
        if (action == "down" || action == "up")
            return key(arg, action == "down");
        if (action == "shot")
            return shot(arg);
        return false;
    }

private:
    QWidget* keyTarget() const { return QApplication::focusWidget() ? QApplication::focusWidget() : window_.get(); }

    bool newGame(const QString& level)
    {
        QTest::keyClick(window_.get(), Qt::Key_F2);
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!box)
            return false;
        box->setTextValue(level);
        box->accept();
        window_->tick();
        return true;
    }

    // A key event, then the run at once, as the pacing timer would when the key makes a step due.
    bool key(const QString& name, bool down)
    {
        static const std::map<QString, Qt::Key> keys = {{"Right", Qt::Key_Right}, {"Left", Qt::Key_Left},
                                                        {"Up", Qt::Key_Up},       {"Down", Qt::Key_Down},
                                                        {"Control", Qt::Key_Control}};
        const auto found = keys.find(name);
        if (found == keys.end())
            return false;
        if (found->second == Qt::Key_Control)
            ctrl_ = down;
        const Qt::KeyboardModifiers modifiers = ctrl_ ? Qt::ControlModifier : Qt::NoModifier;
        if (down)
            QTest::keyPress(keyTarget(), found->second, modifiers);
        else
            QTest::keyRelease(keyTarget(), found->second, modifiers);
        window_->tick();
        return true;
    }

    bool shot(const QString& name)
    {
        const Surface& s = window_->model().controls.windowSurface;
        const QImage surface(reinterpret_cast<const uchar*>(s.data()), s.width(), s.height(),
                             s.width() * static_cast<int>(sizeof(Pixel)), QImage::Format_RGB32);
        QFile json(out_ + "/" + name + ".json");
        return window_->clientArea()->grab().toImage().save(out_ + "/" + name + ".png") &&
               surface.save(out_ + "/" + name + "-surface.png") && json.open(QIODevice::WriteOnly) &&
               json.write(QJsonDocument(widgetsOver(window_->clientArea())).toJson()) > 0;
    }

    std::uint32_t now_ = 1'000'000;
    int elapsed_ = 0;
    bool ctrl_ = false;
    InlineSolver solver_;
    std::unique_ptr<MainWindow> window_;
    QString out_;
};

} // namespace
} // namespace kelvaro

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");  // the 1x scene, whatever screen is at hand
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: scene_shots SCRIPT OUT_DIR\n");
        return 2;
    }
    QTemporaryDir home;  // the records of the run, and no remembered set, stay here
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    QFile script(argv[1]);
    if (!script.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "scene_shots: cannot read %s\n", argv[1]);
        return 2;
    }
    kelvaro::MainWindow::tieToDesktopEntry();
    kelvaro::ScriptedRun run(KELVARO_SHIPPED_DATA, QString::fromLocal8Bit(argv[2]));
    QTextStream lines(&script);
    std::optional<int> start;
    for (QString line; lines.readLineInto(&line);) {
        const QStringList words = line.split(' ', Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        const int at = words[0].toInt();
        if (!start)
            start = at;
        if (words.size() < 2 || !run.act(at - *start, words[1], words.value(2))) {
            std::fprintf(stderr, "scene_shots: cannot do \"%s\"\n", qPrintable(line));
            return 1;
        }
    }
    return 0;
}

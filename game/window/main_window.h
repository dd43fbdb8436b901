// The game's main window, Form1: a thin Qt view of the window's model that forwards input and time.
#pragma once

#include "form1.h"
#include "key_table.h"
#include "qt_dialogs.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>

#include <filesystem>
#include <map>
#include <memory>

class QAction;
class QLabel;
class QPushButton;

namespace kelvaro {

class SilentSound : public SoundPort {
public:
    void playOnce(Sound) override {}
    void playMusicLooping() override {}
    void stopMusic() override {}
    void rewindMusic() override {}
};

// The pictures as surfaces for the engine, loaded from the built-in resources.
Images loadImages();

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int client_width = Controls::client_width;
    static constexpr int client_height = Controls::client_height;

    MainWindow(std::filesystem::path program_dir, SoundPort* sound = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    QWidget* clientArea() const { return client_; }
    Form1& form() { return *form_; }
    KeyTable& keys() { return keys_; }

    // Start-up once the window is on screen.
    void start();
    // Mirrors the model onto the widgets and schedules the next due moment.
    void sync();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    QAction* addItem(QMenu* menu, const char* caption, const QKeySequence& key, Command command);
    void run(Command command);
    bool handleKey(QKeyEvent* event, bool pressed);
    std::uint32_t ticks() const;

    std::filesystem::path program_dir_;
    Images images_;
    KeyTable keys_;
    SilentSound silent_;
    QtDialogs dialogs_;
    QElapsedTimer clock_;
    std::unique_ptr<Form1> form_;

    QWidget* client_ = nullptr;
    std::map<const LabelControl*, QLabel*> labels_;
    std::map<const ButtonControl*, QPushButton*> buttons_;
    QLabel* picture11_ = nullptr;
    QLabel* picture12_ = nullptr;
    std::map<Command, QAction*> actions_;
    QTimer pacer_;
    std::uint64_t painted_version_ = ~0ull;
};

} // namespace kelvaro

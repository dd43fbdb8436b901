// SPDX-License-Identifier: GPL-3.0-or-later
// The game's main window: a thin Qt view of the window's model that forwards input and time.
#pragma once

#include "game/window/game_window_model.h"
#include "game/controller/controller_pump.h"
#include "game/window/key_table.h"
#include "game/window/qt/qt_dialogs.h"
#include "game/window/qt/set_memory.h"
#include "game/aid/threaded_forge.h"
#include "game/aid/threaded_solver.h"
#include "game/window/qt/scene_view.h"

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

// Runs a task on the window's thread from any thread, later, unless `context` is gone by then.
ThreadedSolver::Post postTo(QObject* context);

class SilentSound : public SoundPort {
public:
    void playOnce(Sound) override {}
    void playMusicLooping() override {}
    void stopMusic() override {}
    void rewindMusic() override {}
};

// The pictures as surfaces for the engine, loaded from the built-in resources.
Images loadImages();

struct MainWindowOptions {
    SoundPort* sound = nullptr;                              // none: silent
    std::function<std::optional<std::string>()> initsound;  // loads the sounds
    TickSource ticks;                                        // none: the monotonic clock
    // A level file to play at once instead of the numbered levels: every level number,
    // Next and Retry included, then reads this file. The editor's test play uses it.
    std::optional<std::filesystem::path> level_file{};
    SolverPort* solver = nullptr;                            // none: a worker thread
    // A folder of levels to play from instead of the remembered set (`Kelvaro --levels DIR`).
    std::optional<std::filesystem::path> levels_folder{};
    // The settings file that keeps the set in play, the zoom and full screen between runs
    // (playerSettingsFile() for the player's own); none: nothing is kept, as in tests.
    std::optional<std::filesystem::path> settings_file{};
    ForgePort* forge = nullptr;  // none: a worker thread
    // The daily puzzle's day; none: today in UTC.
    std::function<std::chrono::year_month_day()> today{};
    // Where Keep this level writes; none: the player's level home.
    std::optional<std::filesystem::path> level_home{};
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int client_width = Controls::client_width;
    static constexpr int client_height = Controls::client_height;

    using Options = MainWindowOptions;
    MainWindow(std::filesystem::path app_dir, Options options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Ties the game's windows to its desktop entry. No display name: Qt would append it to
    // every window's title, and each title is exactly its caption.
    static void tieToDesktopEntry();

    QWidget* clientArea() const { return client_; }
    // What is seen of the client area while it is zoomed or full screen (hidden at 1x in a window).
    SceneView* sceneView() const { return scene_view_; }
    GameWindowModel& model() { return *model_; }
    KeyTable& keys() { return keys_; }
    ControllerPump& controllers() { return *controllers_; }
    // Milliseconds until the window next runs the model, or -1 while it waits for events only.
    int scheduledIn() const { return pacer_.isActive() ? pacer_.remainingTime() : -1; }
    ThreadedSolver& solver() { return solver_; }
    ThreadedForge& forge() { return forge_; }

    // Start-up once the window is on screen.
    void start();
    // Mirrors the model onto the widgets and schedules the next due moment.
    void sync();
    // Runs what is due now; the pacing timer calls it, and tests on a fake clock.
    void tick();

    // The client scene's size: a whole zoom factor in a window, or the largest that fits the
    // screen. Both are kept in the settings file, when there is one.
    int zoom() const { return zoom_; }
    bool fullScreen() const { return full_screen_; }
    void setZoom(int zoom);
    void setFullScreen(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    // Options > Language: the desktop's language or one of the translations beside the program.
    void buildLanguageMenu(QMenu* options);
    // Words the menus, labels and buttons again after the language changed.
    void retranslate();
    QAction* addItem(QMenu* menu, const QString& caption, const QKeySequence& key, Command command);
    void buildViewItems(QMenu* options);
    void readView();
    void keepView() const;
    void applyView();
    // The view items' enabled and checked states, from the zoom and full screen.
    void showViewItems();
    void placeSceneView();
    // The mouse on the client scene, at a point in scene pixels.
    void scenePointer(QMouseEvent* event, QPointF at);
    void pointerLeft();
    // A hand where a click would act, the arrow elsewhere.
    void showPointer();
    void run(Command command);
    bool handleKey(QKeyEvent* event, bool pressed);
    void padCommand(PadCommand command);
    std::uint32_t ticks() const;
    std::filesystem::path levelFile(int number) const;
    int millisecondsUntil(std::uint32_t due) const;

    std::filesystem::path app_dir_;
    Images images_;
    KeyTable keys_;
    SilentSound silent_;
    QtDialogs dialogs_;
    QElapsedTimer clock_;
    TickSource ticks_;
    bool own_clock_ = false;
    bool play_at_start_ = false;  // a level file was named: play it once started
    std::optional<std::filesystem::path> level_file_;  // every level number reads it, until a set is chosen
    SetMemory set_memory_;
    ThreadedSolver solver_{std::chrono::seconds(5), postTo(this)};  // outlives the model that asks it
    ThreadedForge forge_{postTo(this)};  // likewise; going, it cancels a forge under way and waits for it
    std::unique_ptr<GameWindowModel> model_;

    QWidget* client_ = nullptr;
    std::map<const LabelControl*, QLabel*> labels_;
    std::map<const LabelControl*, LabelControl> shown_labels_;
    std::map<const ButtonControl*, ButtonControl> shown_buttons_;
    std::map<const ButtonControl*, QPushButton*> buttons_;
    QWidget* titlePicture_ = nullptr;
    QWidget* sadPicture_ = nullptr;
    std::map<Command, QAction*> actions_;
    QTimer pacer_;
    std::uint64_t painted_version_ = ~0ull;
    HintOutline shown_outline_;
    PushMarks shown_marks_;
    std::optional<QPoint> pointer_cell_;  // the cell under the mouse, while it is over the scene
    bool hand_shown_ = false;
    Surface shown_surface_;  // what the screen shows of the drawing surface
    std::unique_ptr<ControllerPump> controllers_;
    SceneView* scene_view_ = nullptr;
    std::optional<std::filesystem::path> settings_file_;
    int zoom_ = min_zoom;
    bool full_screen_ = false;
    QAction* zoom_in_ = nullptr;
    QAction* zoom_out_ = nullptr;
    QAction* actual_size_ = nullptr;
    QAction* full_screen_item_ = nullptr;
};

} // namespace kelvaro

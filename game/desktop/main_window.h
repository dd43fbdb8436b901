// SPDX-License-Identifier: GPL-3.0-or-later
// The game's main window: a thin Qt view of the window's model that forwards input and time.
#pragma once

#include "game/play/game_window_model.h"
#include "game/desktop/controller/controller_pump.h"
#include "game/play/key_table.h"
#include "game/desktop/qt_dialogs.h"
#include "game/desktop/game_wiring.h"
#include "game/desktop/set_memory.h"
#include "game/aid/threaded_forge.h"
#include "game/aid/threaded_solver.h"
#include "game/desktop/scene_view.h"

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

// The pictures as surfaces for the engine, loaded from the built-in resources.
Images loadImages();

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
    QPushButton* buttonFor(const ButtonControl* model) const;
    // The parts of sync(): each brings its widgets up to date where the model changed, and
    // adds what it repainted to `changed`, in the scene's pixels.
    void showLabels(QRegion& changed);
    void showButtons(QRegion& changed);
    void showPictures(QRegion& changed);
    void showMenus();
    void showFocus();
    void showDrawn(QRegion& changed);
    void showOverlays(QRegion& changed);
    void schedule();
    bool handleKey(QKeyEvent* event, bool pressed);
    bool holdKey(QKeyEvent* event, bool pressed, std::optional<Key> key);
    // The keys kept in the settings file, and the keys the player chose in Options > Keys.
    void readKeys();
    void keysChosen(const PlayerKeys& keys);
    void padCommand(PadCommand command);
    std::uint32_t ticks() const;
    int millisecondsUntil(std::uint32_t due) const;

    std::filesystem::path app_dir_;
    Images images_;
    KeyTable keys_;
    HeldKeys<int> held_keys_;  // by the Qt key
    SilentSound silent_;
    QtDialogs dialogs_;
    QElapsedTimer clock_;
    TickSource ticks_;
    bool own_clock_ = false;
    bool play_at_start_ = false;  // a level file was named: play it once started
    SetMemory set_memory_;
    ThreadedSolver solver_{std::chrono::seconds(5), postTo(this)};  // outlives the model that asks it
    ThreadedForge forge_{postTo(this)};  // likewise; going, it cancels a forge under way and waits for it
    std::unique_ptr<GameWindowModel> model_;

    QWidget* client_ = nullptr;
    // Each control's widget, and its model's change count when the widget last followed it.
    template <typename Model, typename Widget>
    struct Mirror {
        const Model* model;
        Widget* widget;
        std::uint32_t shown = ~0u;
    };
    std::vector<Mirror<LabelControl, QLabel>> labels_;
    std::vector<Mirror<ButtonControl, QPushButton>> buttons_;
    std::vector<Mirror<PictureControl, QWidget>> pictures_;
    std::map<Command, QAction*> actions_;
    std::uint32_t shown_menus_ = ~0u;  // the menu items' change count last shown
    std::uint32_t shown_runs_ = ~0u;   // the engine's run count when the title and Keep were last worked out
    QTimer pacer_;
    HintOutline shown_outline_;
    PushMarks shown_marks_;
    std::optional<QPoint> pointer_cell_;  // the cell under the mouse, while it is over the scene
    bool hand_shown_ = false;
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

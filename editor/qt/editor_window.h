// SPDX-License-Identifier: GPL-3.0-or-later
// The level editor's window: a thin view over EditorState.
#pragma once

#include "editor/core/analysis_worker.h"
#include "editor/qt/editor_memory.h"
#include "editor/core/editor_state.h"
#include "editor/qt/editor_widgets.h"

#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QProcess;
class QPushButton;
class QScrollArea;

namespace kelvaro {

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int client_width = 775;
    // Taller than the designed 546 pixels: the analysis and its buttons sit below the notes.
    static constexpr int client_height = 656;
    // Between two actions of a solution played on the canvas, and the last one held.
    static constexpr int solution_step_ms = 150;
    static constexpr int solution_hold_ms = 1500;

    // Shows a command's message to the author; tests put a recorder here.
    using MessageSink = std::function<void(const QString&)>;
    // Asks the closing question; answers Save, Discard or Cancel. Tests put a stand-in here.
    using CloseQuestion = std::function<QMessageBox::StandardButton(const QString&)>;

    // LOAD and SAVE where programFolders() say.
    explicit EditorWindow(QWidget* parent = nullptr);
    // LOAD and SAVE in the maps folder beside `app_dir`, as in a portable tree.
    explicit EditorWindow(const std::filesystem::path& app_dir, QWidget* parent = nullptr);
    // LOAD and SAVE where `folders` say (chooseLevelFolders decides for the running program).
    explicit EditorWindow(LevelFolders folders, QWidget* parent = nullptr);
    ~EditorWindow() override;

    // The folders of the running program: the maps folder beside it, or the player's own
    // set where that takes no new files; read from the file system and the environment.
    static LevelFolders programFolders();

    // Ties the editor's windows to its desktop entry. No display name: Qt would append it
    // to every window's title, and each title is exactly its caption.
    static void tieToDesktopEntry();

    // Starts on the grid size and tool kept from the last run and keeps them from now on: kel_edit
    // does, tests pass their own `file`. Without it the editor starts as specified and keeps nothing.
    void remember(const std::filesystem::path& file = {});

    EditorState& state() { return state_; }
    void setMessageSink(MessageSink sink) { message_sink_ = std::move(sink); }
    void setCloseQuestion(CloseQuestion question) { close_question_ = std::move(question); }

    // The workbench's commands, as their buttons and keys run them.
    void undo();
    void redo();
    void fitTime();
    void toggleSolution();
    void testPlay();
    // Edit > Copy level and Paste level, through the system clipboard.
    void copyLevel();
    void pasteLevel();
    // The canvas's zoom, 1 to 4 (Ctrl+wheel, Ctrl+=, Ctrl+-, Ctrl+0). The canvas point at
    // `anchor` (in the scrolled area's viewport) stays where it is; none: the viewport's middle.
    int canvasZoom() const;
    void setCanvasZoom(int zoom, std::optional<QPoint> anchor = std::nullopt);
    // The analysis read-out as shown; "checking..." while a check runs.
    QString analysisReadout() const;
    bool checking() const { return !analysis_; }
    QProcess* game() const { return game_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPalette();
    void buildLabels();
    void buildBoxes();
    void buildButtons();
    void buildCanvas();
    void buildSaveFolderLabel();
    // "Saves to: " and the folder SAVE writes to, shortened in the middle to fit.
    void showSaveFolder();
    void placeCanvasArea();
    void runCommand(CommandResult (EditorState::*command)());
    // Shows the state on the controls: canvas, read-out, tool outline and the time box.
    void mirror(bool canvas_changed = true);
    // After an edit: a fresh check of the level when it changed.
    void levelEdited();
    void buildWorkbench();
    void buildEditMenu();
    void onAnalysis(std::uint64_t generation, const EditorLevelAnalysis& analysis);
    void showAnalysis();
    void solutionTick();
    void stopSolution();

    EditorState state_;
    ToolPictures pictures_;
    MessageSink message_sink_;
    CloseQuestion close_question_;
    ToolOutline* toolOutline_ = nullptr;
    QLabel* cellReadout_ = nullptr;
    QLabel* saveFolderLabel_ = nullptr;
    QScrollArea* canvas_area_ = nullptr;
    CanvasView* canvas_ = nullptr;
    std::array<QLineEdit*, 4> boxes_{};
    std::optional<EditorMemory> memory_;

    QLabel* analysisReadout_ = nullptr;
    QPushButton* fitTimeButton_ = nullptr;
    QPushButton* solutionButton_ = nullptr;
    QPushButton* testPlayButton_ = nullptr;
    QTimer checkingShown_;  // "checking..." only for checks that take a moment
    QTimer solutionTimer_;
    std::optional<EditorLevelAnalysis> analysis_;  // the newest level's, once known
    std::optional<AuthorLevel> checked_level_;     // the level last sent to be checked
    QString game_executable_;
    std::unique_ptr<QTemporaryDir> play_folder_;
    QProcess* game_ = nullptr;
    std::unique_ptr<AnalysisWorker> worker_;  // last: its reports may reach everything above
};

} // namespace kelvaro

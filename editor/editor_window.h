// The level editor's window: a thin view over EditorState.
#pragma once

#include "editor_state.h"
#include "editor_widgets.h"

#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>

class QLabel;
class QLineEdit;
class QScrollArea;

namespace kelvaro {

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int client_width = 775;
    static constexpr int client_height = 546;

    // Shows a command's message to the author; tests put a recorder here.
    using MessageSink = std::function<void(const QString&)>;
    // Asks the closing question; answers Save, Discard or Cancel. Tests put a stand-in here.
    using CloseQuestion = std::function<QMessageBox::StandardButton(const QString&)>;

    // The maps folder is the one beside the running program.
    explicit EditorWindow(QWidget* parent = nullptr);
    explicit EditorWindow(const std::filesystem::path& app_dir, QWidget* parent = nullptr);

    EditorState& state() { return state_; }
    void setMessageSink(MessageSink sink) { message_sink_ = std::move(sink); }
    void setCloseQuestion(CloseQuestion question) { close_question_ = std::move(question); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPalette();
    void buildLabels();
    void buildBoxes();
    void buildButtons();
    void buildCanvas();
    void placeCanvasArea();
    void runCommand(CommandResult (EditorState::*command)());
    // Shows the state on the controls: canvas, read-out, tool outline and the time box.
    void mirror(bool canvas_changed = true);

    EditorState state_;
    ToolPictures pictures_;
    MessageSink message_sink_;
    CloseQuestion close_question_;
    ToolOutline* toolOutline_ = nullptr;
    QLabel* cellReadout_ = nullptr;
    QScrollArea* canvas_area_ = nullptr;
    CanvasView* canvas_ = nullptr;
    std::array<QLineEdit*, 4> boxes_{};
};

} // namespace kelvaro

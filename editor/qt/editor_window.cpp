// SPDX-License-Identifier: GPL-3.0-or-later
// The level editor's window: builds the controls where the author knows them and
// forwards clicks, mouse and typing to EditorState.
#include "editor/qt/editor_window.h"

#include "i18n/translation.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>
#include <cstdlib>

namespace kelvaro {
namespace {

struct LabelControl {
    const char* name;
    const char* caption;
    QRect rect;
    bool wraps;
};
const LabelControl labels[] = {
    {"cellReadout", "", {384, 40, 153, 25}, false},
    {"xLabel", QT_TRANSLATE_NOOP("kelvaro::EditorWindow", "X :"), {600, 40, 17, 17}, false},
    {"yLabel", QT_TRANSLATE_NOOP("kelvaro::EditorWindow", "Y :"), {672, 40, 17, 17}, false},
    {"timeLabel", QT_TRANSLATE_NOOP("kelvaro::EditorWindow", "Time :"), {592, 80, 33, 17}, false},
    {"secondsLabel", QT_TRANSLATE_NOOP("kelvaro::EditorWindow", "sec."), {672, 80, 25, 17}, false},
    {"nameLabel", QT_TRANSLATE_NOOP("kelvaro::EditorWindow", "Filename :"), {584, 122, 57, 17}, false},
    {"note1Label",
     QT_TRANSLATE_NOOP("kelvaro::EditorWindow",
                       "Note 1: Level name must be \"mazeX\", where X a number from 1 to 999, e.g. maze5 or maze 41 ."),
     {560, 352, 201, 49}, true},
    {"note2Label",
     QT_TRANSLATE_NOOP("kelvaro::EditorWindow",
                       "Note 2: Every level MUST contain a start point, an exit point and the round jewel thingy !"),
     {560, 408, 209, 41}, true},
};

struct BoxControl {
    const char* name;
    std::string EditorTexts::*text;
    QRect rect;
};
const BoxControl text_boxes[] = {
    {"xBox", &EditorTexts::xBox, {624, 40, 33, 21}},
    {"yBox", &EditorTexts::yBox, {696, 40, 33, 21}},
    {"timeBox", &EditorTexts::timeBox, {632, 78, 33, 19}},
    {"nameBox", &EditorTexts::nameBox, {640, 120, 105, 19}},
};
constexpr std::size_t time_box = 2;

struct ButtonControl {
    const char* name;
    const char* caption;
    QRect rect;
    CommandResult (EditorState::*command)();
};
const ButtonControl buttons[] = {
    {"resetButton", QT_TRANSLATE_NOOP("kelvaro::EditorWindow", "RESET"), {584, 160, 161, 49}, &EditorState::reset},
    {"saveButton", QT_TRANSLATE_NOOP("kelvaro::EditorWindow", "SAVE"), {584, 224, 161, 49}, &EditorState::save},
    {"loadButton", QT_TRANSLATE_NOOP("kelvaro::EditorWindow", "LOAD"), {584, 288, 161, 49}, &EditorState::load},
};

constexpr QPoint canvas_origin{16, 88};
// Between the palette and the canvas, clear of every other control.
constexpr QRect save_folder_rect{16, 66, 536, 17};
// The canvas may be far larger than the window: it scrolls within the space left
// of the notes, and grows downward with the window.
constexpr int canvas_area_width = 536;

QFont editorFont(int pixels)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    return font;
}

} // namespace

EditorWindow::EditorWindow(QWidget* parent) : EditorWindow(programFolders(), parent) {}

EditorWindow::EditorWindow(const std::filesystem::path& app_dir, QWidget* parent)
    : EditorWindow(LevelFolders{app_dir, std::nullopt}, parent)
{
}

EditorWindow::EditorWindow(LevelFolders folders, QWidget* parent)
    : QWidget(parent), state_(std::move(folders)), pictures_(loadToolPictures())
{
    setObjectName("editorWindow");
    setWindowTitle(tr("Kelvaro level editor v1.00"));
    setFont(editorFont(10));
    resize(client_width, client_height);
    setMinimumSize(client_width, client_height);
    message_sink_ = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };
    close_question_ = [this](const QString& text) {
        return QMessageBox::question(this, windowTitle(), text,
                                     QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                     QMessageBox::Save);
    };

    toolOutline_ = new ToolOutline(this);
    buildPalette();
    buildLabels();
    buildBoxes();
    buildButtons();
    buildCanvas();
    buildSaveFolderLabel();
    buildWorkbench();
    buildEditMenu();
    placeCanvasArea();

    state_.formLoad();
    mirror();
    levelEdited();
}

void EditorWindow::remember(const std::filesystem::path& file)
{
    memory_.emplace(file);
    if (const auto size = memory_->gridSize()) {
        boxes_[0]->setText(QString::fromStdString(size->x));
        boxes_[1]->setText(QString::fromStdString(size->y));
        state_.formLoad();  // the start's empty grid, at the kept size
    }
    if (const auto tool = memory_->tool())
        state_.selectTool(*tool);
    mirror();
    levelEdited();
}

LevelFolders EditorWindow::programFolders()
{
    return chooseLevelFolders(QCoreApplication::applicationDirPath().toStdString(), std::getenv("XDG_DATA_HOME"),
                              std::getenv("HOME"));
}

void EditorWindow::tieToDesktopEntry() { QGuiApplication::setDesktopFileName("org.kelvaro.kelvaro.editor"); }

void EditorWindow::buildPalette()
{
    toolOutline_->setGeometry(0, tool_outline_top, tool_outline_size, tool_outline_size);
    for (const ToolPlace& place : kelvaro::palette) {
        auto* picture = new ToolPicture(place, pictures_[static_cast<std::size_t>(place.code)], this);
        connect(picture, &ToolPicture::clicked, this, [this, code = place.code] {
            state_.selectTool(code);
            if (memory_)
                memory_->rememberTool(code);
            mirror();
        });
    }
    toolOutline_->lower();  // drawn behind the pictures, as an outline on the window
}

void EditorWindow::buildLabels()
{
    for (const LabelControl& control : labels) {
        auto* label = new QLabel(*control.caption ? tr(control.caption) : QString(), this);
        label->setObjectName(control.name);
        label->setGeometry(control.rect);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(control.wraps);
        // A translation longer than its label widens it rather than being clipped; English keeps its size.
        if (i18n::active() && !control.wraps)
            label->resize(std::max(control.rect.width(), label->sizeHint().width()), control.rect.height());
        if (label->objectName() == "cellReadout")
            cellReadout_ = label;
    }
    cellReadout_->setFont(editorFont(14));
}

void EditorWindow::buildBoxes()
{
    for (std::size_t i = 0; i < std::size(text_boxes); ++i) {
        const BoxControl& control = text_boxes[i];
        auto* box = new QLineEdit(QString::fromStdString(state_.texts.*control.text), this);
        box->setObjectName(control.name);
        box->setGeometry(control.rect);
        box->setTextMargins(0, 0, 0, 0);
        connect(box, &QLineEdit::textChanged, this, [this, text = control.text](const QString& typed) {
            state_.texts.*text = typed.toStdString();
            if (analysisReadout_)
                showAnalysis();  // the time rule against the new limit
        });
        boxes_[i] = box;
    }
}

void EditorWindow::buildButtons()
{
    for (const ButtonControl& control : buttons) {
        auto* button = new QPushButton(tr(control.caption), this);
        button->setObjectName(control.name);
        button->setGeometry(control.rect);
        button->setFont(editorFont(13));
        connect(button, &QPushButton::clicked, this, [this, command = control.command] { runCommand(command); });
    }
}

void EditorWindow::buildCanvas()
{
    canvas_area_ = new QScrollArea(this);
    canvas_area_->setObjectName("canvasArea");
    canvas_area_->setFrameShape(QFrame::NoFrame);
    canvas_area_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    canvas_ = new CanvasView(state_.canvas, pictures_, canvas_area_);
    canvas_area_->setWidget(canvas_);
    connect(canvas_, &CanvasView::pressed, this, [this](int x, int y) {
        stopSolution();
        state_.mouseDown(x, y);
        mirror();
    });
    connect(canvas_, &CanvasView::moved, this, [this](bool held, int x, int y) {
        if (held)
            stopSolution();
        state_.mouseMove(held, x, y);
        mirror(held);  // with no button held only the read-out changes
    });
    // The check waits for the stroke's end, so painting never competes with it.
    connect(canvas_, &CanvasView::released, this, [this] {
        state_.mouseUp();
        levelEdited();
    });

    connect(canvas_, &CanvasView::zoomWheel, this, [this](int steps, QPoint at) {
        setCanvasZoom(canvasZoom() + steps, canvas_->mapTo(canvas_area_->viewport(), at));
    });
    const std::pair<QKeySequence, int> zoom_keys[] = {{QKeySequence(Qt::CTRL | Qt::Key_Equal), +1},
                                                       {QKeySequence(Qt::CTRL | Qt::Key_Plus), +1},
                                                       {QKeySequence(Qt::CTRL | Qt::Key_Minus), -1},
                                                       {QKeySequence(Qt::CTRL | Qt::Key_0), 0}};
    for (auto [keys, step] : zoom_keys)
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [this, step = step] { setCanvasZoom(step == 0 ? CanvasView::min_zoom : canvasZoom() + step); });
}

int EditorWindow::canvasZoom() const { return canvas_->zoom(); }

void EditorWindow::setCanvasZoom(int zoom, std::optional<QPoint> anchor)
{
    zoom = std::clamp(zoom, CanvasView::min_zoom, CanvasView::max_zoom);
    const int before = canvas_->zoom();
    if (zoom == before)
        return;
    QScrollBar* across = canvas_area_->horizontalScrollBar();
    QScrollBar* down = canvas_area_->verticalScrollBar();
    const QPoint at = anchor.value_or(canvas_area_->viewport()->rect().center());
    // The unzoomed canvas point under the anchor, kept under it at the new zoom.
    const QPointF point = QPointF(at + QPoint(across->value(), down->value())) / before;
    canvas_->setZoom(zoom);
    across->setValue(qRound(point.x() * zoom - at.x()));
    down->setValue(qRound(point.y() * zoom - at.y()));
}

void EditorWindow::buildSaveFolderLabel()
{
    saveFolderLabel_ = new QLabel(this);
    saveFolderLabel_->setObjectName("saveFolderLabel");
    saveFolderLabel_->setGeometry(save_folder_rect);
    saveFolderLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    showSaveFolder();
}

void EditorWindow::showSaveFolder()
{
    const QString folder = QString::fromStdString(state_.levelFolder().string());
    const QString text = tr("Saves to: %1").arg(folder);
    saveFolderLabel_->setText(saveFolderLabel_->fontMetrics().elidedText(text, Qt::ElideMiddle, save_folder_rect.width()));
    saveFolderLabel_->setToolTip(folder);
}

void EditorWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeCanvasArea();
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    if (!state_.hasUnsavedChanges())
        return event->accept();
    switch (close_question_(i18n::shown(state_.closingQuestion()))) {
    case QMessageBox::Discard: return event->accept();
    case QMessageBox::Save: {
        // A failed save keeps the window open, so the author can save elsewhere.
        const CommandResult result = state_.save();
        if (result.ok())
            return event->accept();
        message_sink_(i18n::shown(result.message));
        return event->ignore();
    }
    default: return event->ignore();
    }
}

void EditorWindow::placeCanvasArea()
{
    canvas_area_->setGeometry(canvas_origin.x(), canvas_origin.y(), canvas_area_width,
                              std::max(0, height() - canvas_origin.y()));
}

void EditorWindow::runCommand(CommandResult (EditorState::*command)())
{
    stopSolution();
    const CommandResult result = (state_.*command)();
    if (memory_ && command == &EditorState::reset && result.ok())
        memory_->rememberGridSize(state_.texts.xBox, state_.texts.yBox);
    mirror();
    showSaveFolder();  // a SAVE may have made the maps folder under another spelling
    levelEdited();
    if (!result.ok())
        message_sink_(i18n::shown(result.message));
}

void EditorWindow::mirror(bool canvas_changed)
{
    if (canvas_changed)
        canvas_->canvasChanged();
    cellReadout_->setText(i18n::shown(state_.cellReadout));
    toolOutline_->move(state_.toolOutlineLeft, tool_outline_top);
    const QString time = QString::fromStdString(state_.texts.timeBox);
    if (boxes_[time_box]->text() != time)
        boxes_[time_box]->setText(time);
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The editor window's workbench: the live analysis, the time and solution buttons, undo and
// redo, and test play in the game.
#include "editor/core/analysis_text.h"
#include "editor/core/editor_input.h"
#include "editor/qt/editor_window.h"
#include "i18n/translation.h"

#include "level/level_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QShortcut>
#include <QTemporaryDir>

#include <chrono>
#include <cstdint>

namespace kelvaro {
namespace {

struct WorkbenchButton {
    const char* name;
    const char* caption;
    QRect rect;
    void (EditorWindow::*command)();
};
// Below the two notes, in the room the taller window gives.
const WorkbenchButton workbench_buttons[] = {
    {"undoButton", QT_TRANSLATE_NOOP("kelvaro::EditorWindow", "Undo"), {560, 556, 100, 26}, &EditorWindow::undo},
    {"redoButton", QT_TRANSLATE_NOOP("kelvaro::EditorWindow", "Redo"), {665, 556, 104, 26}, &EditorWindow::redo},
    {"fitTimeButton", QT_TRANSLATE_NOOP("kelvaro::EditorWindow", "Fit time"), {560, 588, 100, 26}, &EditorWindow::fitTime},
    {"solutionButton", QT_TRANSLATE_NOOP("kelvaro::EditorWindow", "Show solution"), {665, 588, 104, 26}, &EditorWindow::toggleSolution},
    {"testPlayButton", QT_TRANSLATE_NOOP("kelvaro::EditorWindow", "Test play (F5)"), {560, 620, 209, 26}, &EditorWindow::testPlay},
};
constexpr QRect analysis_rect{560, 456, 209, 96};
constexpr int checking_delay_ms = 200;

std::int64_t steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

void EditorWindow::buildWorkbench()
{
    analysisReadout_ = new QLabel(this);
    analysisReadout_->setObjectName("analysisReadout");
    analysisReadout_->setGeometry(analysis_rect);
    analysisReadout_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    analysisReadout_->setWordWrap(true);
    for (const WorkbenchButton& control : workbench_buttons) {
        auto* button = new QPushButton(tr(control.caption), this);
        button->setObjectName(control.name);
        button->setGeometry(control.rect);
        button->setFocusPolicy(Qt::NoFocus);  // keys stay where the author typed
        connect(button, &QPushButton::clicked, this, [this, command = control.command] { (this->*command)(); });
    }
    fitTimeButton_ = findChild<QPushButton*>("fitTimeButton");
    solutionButton_ = findChild<QPushButton*>("solutionButton");
    testPlayButton_ = findChild<QPushButton*>("testPlayButton");

    // Ctrl+Z in a box undoes its typing; the boxes take those keys before the window does.
    struct Key {
        QKeySequence keys;
        void (EditorWindow::*command)();
    };
    const Key keys[] = {{QKeySequence::Undo, &EditorWindow::undo},
                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &EditorWindow::redo},
                        {QKeySequence(Qt::CTRL | Qt::Key_Y), &EditorWindow::redo},
                        {QKeySequence(Qt::Key_F5), &EditorWindow::testPlay}};
    for (const Key& key : keys)
        connect(new QShortcut(key.keys, this), &QShortcut::activated, this, key.command);

    checkingShown_.setSingleShot(true);
    checkingShown_.setInterval(checking_delay_ms);
    connect(&checkingShown_, &QTimer::timeout, this, &EditorWindow::showAnalysis);
    solutionTimer_.setInterval(solution_step_ms);
    connect(&solutionTimer_, &QTimer::timeout, this, &EditorWindow::solutionTick);
    game_executable_ = QDir(QCoreApplication::applicationDirPath()).filePath("Kelvaro");

    worker_ = std::make_unique<AnalysisWorker>(
        // From the worker's thread to the window's, where the result is kept or dropped.
        [this](std::function<void()> task) { QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection); },
        [this](std::uint64_t generation, const EditorLevelAnalysis& analysis) { onAnalysis(generation, analysis); },
        steadyMilliseconds);
}

EditorWindow::~EditorWindow()
{
    worker_.reset();  // no report may arrive while the window is half gone
}

void EditorWindow::levelEdited()
{
    if (checked_level_ && *checked_level_ == state_.level) {
        showAnalysis();
        return;
    }
    checked_level_ = state_.level;
    analysis_.reset();
    worker_->request(state_.level);
    checkingShown_.start();
    showAnalysis();
}

void EditorWindow::onAnalysis(std::uint64_t generation, const EditorLevelAnalysis& analysis)
{
    if (generation != worker_->latest())
        return;  // overtaken by a newer edit on its way here
    analysis_ = analysis;
    checkingShown_.stop();
    showAnalysis();
}

QString EditorWindow::analysisReadout() const { return analysisReadout_->text(); }

void EditorWindow::showAnalysis()
{
    // A quick check keeps the old text on screen instead of flashing "checking...".
    if (analysis_ || !checkingShown_.isActive())
        analysisReadout_->setText(i18n::shown(analysisText(analysis_ ? &*analysis_ : nullptr, state_.texts.timeBox)));
    const bool solvable = analysis_ && analysis_->search.outcome == Outcome::solvable;
    fitTimeButton_->setEnabled(solvable);
    solutionButton_->setEnabled(solvable || state_.showingSolution());
    solutionButton_->setText(state_.showingSolution() ? tr("Stop solution") : tr("Show solution"));
    findChild<QPushButton*>("undoButton")->setEnabled(state_.history().canUndo());
    findChild<QPushButton*>("redoButton")->setEnabled(state_.history().canRedo());
}

void EditorWindow::undo()
{
    if (auto* box = qobject_cast<QLineEdit*>(focusWidget()); box && box->isUndoAvailable())
        return box->undo();
    stopSolution();
    if (state_.undo())
        mirror();
    levelEdited();
}

void EditorWindow::redo()
{
    if (auto* box = qobject_cast<QLineEdit*>(focusWidget()); box && box->isRedoAvailable())
        return box->redo();
    stopSolution();
    if (state_.redo())
        mirror();
    levelEdited();
}

void EditorWindow::fitTime()
{
    const std::optional<int> time = analysis_ ? fittingTime(*analysis_) : std::nullopt;
    if (time)
        findChild<QLineEdit*>("timeBox")->setText(QString::number(*time));  // the box's own undo can take it back
}

void EditorWindow::toggleSolution()
{
    if (state_.showingSolution())
        return stopSolution();
    if (!analysis_ || analysis_->search.outcome != Outcome::solvable)
        return;
    state_.showSolution(analysis_->level, analysis_->search.solution.moves);
    solutionTimer_.setInterval(solution_step_ms);
    solutionTimer_.start();
    mirror();
    showAnalysis();
}

void EditorWindow::solutionTick()
{
    if (state_.stepSolution()) {
        mirror();
        return;
    }
    if (solutionTimer_.interval() == solution_hold_ms)
        return stopSolution();
    solutionTimer_.setInterval(solution_hold_ms);  // the jewel on the goal, for a moment
}

void EditorWindow::stopSolution()
{
    solutionTimer_.stop();
    if (!state_.showingSolution())
        return;
    state_.stopSolution();
    mirror();
    showAnalysis();
}

void EditorWindow::testPlay()
{
    if (game_ && game_->state() != QProcess::NotRunning)
        return;  // one game at a time; it is still open
    const std::optional<int> time = wholeNumberIn(state_.texts.timeBox, INT16_MIN, INT16_MAX);
    if (!time)
        return message_sink_(tr("Could not start test play: the time \"%1\" is not a whole number from -32768 to 32767.")
                                 .arg(QString::fromStdString(state_.texts.timeBox)));
    if (!state_.level.startx || !state_.level.jewelx || !state_.level.goalx)
        return message_sink_(tr("Could not start test play: place the start, the jewel and the goal first."));

    // The level exactly as painted, in a folder of its own: nothing in the maps folder changes.
    if (!play_folder_)
        play_folder_ = std::make_unique<QTemporaryDir>(QDir::temp().filePath("kel_edit-play-XXXXXX"));
    AuthorLevel level = state_.level;
    level.leveltime = static_cast<std::int16_t>(*time);
    const QString file = play_folder_->filePath("test-play.txt");
    if (!play_folder_->isValid())
        return message_sink_(tr("Could not start test play: no temporary folder could be made."));
    if (auto error = writeFileWhole(file.toStdString(), writeAuthorLevel(level)))
        return message_sink_(tr("Could not start test play:\n%1.").arg(i18n::shown(error->message())));

    if (!game_) {
        game_ = new QProcess(this);
        connect(game_, &QProcess::stateChanged, this,
                [this](QProcess::ProcessState now) { testPlayButton_->setEnabled(now == QProcess::NotRunning); });
        connect(game_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                message_sink_(tr("Could not start the game %1:\n%2.").arg(game_executable_, game_->errorString()));
        });
    }
    game_->start(game_executable_, {"--level", file});
}

} // namespace kelvaro

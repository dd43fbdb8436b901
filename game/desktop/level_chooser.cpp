// SPDX-License-Identifier: GPL-3.0-or-later
// The level chooser: every set read afresh when shown, so a folder that changed or vanished is told as it is now.
#include "game/desktop/level_chooser.h"
#include "i18n/translation.h"

#include "game/play/chooser_level.h"
#include "game/play/played_set.h"
#include "game/desktop/level_grid_model.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace kelvaro {

std::optional<QString> unplayable(const LevelSet& set, const SetLevel& level, const std::optional<LevelError>& error)
{
    const std::optional<Message> fault = unplayableLevel(set, level, error);
    return fault ? std::optional(i18n::shown(*fault)) : std::nullopt;
}

LevelChooser::LevelChooser(const ChooserRequest& request, const Images& images, QWidget* parent)
    : QDialog(parent), sets_(request.sets)
{
    setWindowTitle(i18n::shown(phrase(chooser_words::context, chooser_words::title)));
    levels_ = new LevelGridModel(images, request.figures, this);

    sets_view_ = new QListWidget(this);
    sets_view_->setObjectName("sets");
    for (const LevelSet& set : sets_)
        sets_view_->addItem(setName(set));
    sets_view_->setMinimumWidth(200);

    buildGrid();

    info_ = new QLabel(this);
    info_->setObjectName("setInfo");
    info_->setWordWrap(true);
    info_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* right = new QWidget(this);
    auto* right_layout = new QVBoxLayout(right);
    right_layout->setContentsMargins(0, 0, 0, 0);
    right_layout->addWidget(grid_, 1);
    right_layout->addWidget(info_);
    auto* split = new QSplitter(this);
    split->addWidget(sets_view_);
    split->addWidget(right);
    split->setStretchFactor(1, 1);

    auto* buttons = new QDialogButtonBox(this);
    play_ = buttons->addButton(i18n::shown(phrase(chooser_words::context, chooser_words::play)), QDialogButtonBox::AcceptRole);
    replay_ = buttons->addButton(i18n::shown(phrase(chooser_words::context, chooser_words::replay)),
                                 QDialogButtonBox::ActionRole);
    replay_->setObjectName("replay");
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    // Enter belongs to the grid: it plays the level in focus, never presses a button as well.
    for (QPushButton* button : {play_, replay_, close})
        button->setAutoDefault(false);
    connect(play_, &QPushButton::clicked, this, [this] { play(grid_->currentIndex()); });
    connect(replay_, &QPushButton::clicked, this, [this] { play(grid_->currentIndex(), true); });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, &LevelChooser::showReplay);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addWidget(buttons);
    resize(960, 640);

    connect(sets_view_, &QListWidget::currentRowChanged, this, &LevelChooser::showSet);
    if (!sets_.empty())
        sets_view_->setCurrentRow(static_cast<int>(std::min(request.current, sets_.size() - 1)));
    if (const std::optional<int> row = levels_->rowOf(request.level))
        grid_->setCurrentIndex(levels_->index(*row));
    grid_->setFocus();
}

// The levels of the chosen set as a grid of thumbnails; Enter or a double click plays one.
void LevelChooser::buildGrid()
{
    grid_ = new QListView(this);
    grid_->setObjectName("levels");
    grid_->setViewMode(QListView::IconMode);
    grid_->setMovement(QListView::Static);
    grid_->setResizeMode(QListView::Adjust);
    grid_->setUniformItemSizes(true);  // only the levels in sight are drawn and figured
    grid_->setWrapping(true);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setGridSize(QSize(LevelGridDelegate::item_width + 4, LevelGridDelegate::item_height + 4));
    grid_->setModel(levels_);
    grid_->setItemDelegate(new LevelGridDelegate(*levels_, grid_));
    connect(grid_, &QListView::activated, this, [this](const QModelIndex& index) { play(index); });
}

QString LevelChooser::setName(const LevelSet& set) const
{
    return i18n::shown(chooserSetName(set, sets_));
}

// Read again at every showing: files may have been added, changed or removed meanwhile.
void LevelChooser::showSet(int row)
{
    if (row < 0 || row >= static_cast<int>(sets_.size()))
        return;
    LevelSet& set = sets_[static_cast<std::size_t>(row)];
    set = readAgain(set);
    sets_view_->item(row)->setText(setName(set));
    levels_->show(set);
    if (levels_->rowCount() > 0)
        grid_->setCurrentIndex(levels_->index(0));
    play_->setEnabled(levels_->rowCount() > 0);
    showReplay();
    info_->setText(setInfo());
}

// The figures come as a level is first shown, and its par later: asked again as they do.
void LevelChooser::showReplay()
{
    const QModelIndex index = grid_->currentIndex();
    const ChooserEntry* entry = index.isValid() ? &levels_->entry(index.row()) : nullptr;
    replay_->setEnabled(entry && entry->figures && entry->figures->solution_kept);
}

QString LevelChooser::setInfo() const
{
    const int row = sets_view_->currentRow();
    return row < 0 ? QString() : i18n::shown(chooserSetInfo(sets_[static_cast<std::size_t>(row)]));
}

void LevelChooser::refreshFigures()
{
    levels_->refreshFigures();
    showReplay();
}

// The file is read again when chosen: it may have been damaged or removed since the grid was made.
void LevelChooser::play(const QModelIndex& index, bool replay)
{
    const int row = sets_view_->currentRow();
    if (!index.isValid() || row < 0)
        return;
    const LevelSet& set = sets_[static_cast<std::size_t>(row)];
    const ChooserEntry& entry = levels_->entry(index.row());
    Result<GameLevel> now = loadGameLevel(entry.file);
    const std::optional<LevelError> error = now ? std::nullopt : std::optional(now.error());
    if (const std::optional<QString> fault = unplayable(set, {entry.number, entry.file}, error)) {
        refuse(*fault);
        return;
    }
    choice_ = LevelChoice{set, entry.number, replay};
    accept();
}

void LevelChooser::refuse(const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Kelvaro"), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The level chooser: the level sets on the left, the chosen set's levels as a grid of thumbnails.
#pragma once

#include "game/engine/images.h"
#include "game/ports/dialogs.h"

#include <QDialog>

class QLabel;
class QListView;
class QListWidget;
class QModelIndex;
class QPushButton;

namespace kelvaro {

class LevelGridModel;

class LevelChooser : public QDialog {
    Q_OBJECT
public:
    LevelChooser(const ChooserRequest& request, const Images& images, QWidget* parent = nullptr);

    // The level to play, once the player chose one.
    const std::optional<LevelChoice>& choice() const { return choice_; }
    // New figures have come: the grid shows them.
    void refreshFigures();

    QListWidget* setList() const { return sets_view_; }
    QListView* levelGrid() const { return grid_; }
    const LevelGridModel& levels() const { return *levels_; }
    QString setInfo() const;

private:
    void showSet(int row);
    void play(const QModelIndex& index, bool replay = false);
    void showReplay();
    void refuse(const QString& text);
    void buildGrid();
    QString setName(const LevelSet& set) const;

    std::vector<LevelSet> sets_;
    LevelGridModel* levels_ = nullptr;
    QListWidget* sets_view_ = nullptr;
    QListView* grid_ = nullptr;
    QLabel* info_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* replay_ = nullptr;  // enabled on a level with a solution of the player's kept
    std::optional<LevelChoice> choice_;
};

// What the game says of a level it cannot play from the chooser, or nothing when it can:
// a file that is damaged, unreadable or gone, or a set folder that is gone.
std::optional<QString> unplayable(const LevelSet& set, const SetLevel& level, const std::optional<LevelError>& error);

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The chooser's grid: one entry per level file of a set, read once, drawn and figured when first shown.
#pragma once

#include "game/engine/images.h"
#include "game/play/chooser_level.h"
#include "game/ports/dialogs.h"

#include <QAbstractListModel>
#include <QImage>
#include <QStyledItemDelegate>

#include <optional>
#include <vector>

namespace kelvaro {

struct ChooserEntry : ChooserLevel {
    // Made when the entry is first shown.
    QImage thumbnail;
    std::optional<LevelFigures> figures;
};

class LevelGridModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int thumbnail_width = 136;  // 17 x 16 cells of 8 pixels: what the window shows
    static constexpr int thumbnail_height = 128;

    LevelGridModel(const Images& images, std::function<LevelFigures(const GameLevel&)> figures, QObject* parent);

    // Reads every level file of `set`, in number order.
    void show(const LevelSet& set);
    // Forgets the figures: new ones have come.
    void refreshFigures();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The entry with its thumbnail and figures made.
    const ChooserEntry& entry(int row) const;
    std::optional<int> rowOf(int number) const;

private:
    const Images& images_;
    std::function<LevelFigures(const GameLevel&)> figures_;
    mutable std::vector<ChooserEntry> entries_;
};

// Paints an entry: its thumbnail (or a crossed box when the file cannot be played), its
// number with a solved mark, the best time left, the fewest actions and the par.
class LevelGridDelegate : public QStyledItemDelegate {
public:
    static constexpr int item_width = 152;
    static constexpr int item_height = 214;

    LevelGridDelegate(const LevelGridModel& model, QObject* parent) : QStyledItemDelegate(parent), model_(model) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {item_width, item_height}; }

private:
    const LevelGridModel& model_;
};

// The words of an entry under its number: what the grid shows, and what tests read.
QStringList entryLines(const ChooserEntry& entry);

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The chooser's grid of levels: files read as the game reads them, thumbnails drawn with the game's pictures.
#include "game/desktop/level_grid_model.h"

#include "game/play/level_thumbnail.h"
#include "i18n/translation.h"

#include <QPainter>

namespace kelvaro {
namespace {

QImage toImage(const Surface& s)
{
    const QImage view(reinterpret_cast<const uchar*>(s.data()), s.width(), s.height(),
                      s.width() * static_cast<int>(sizeof(Pixel)), QImage::Format_RGB32);
    return view.copy();
}

void drawCrossedBox(QPainter& painter, const QRect& box)
{
    painter.fillRect(box, QColor(60, 60, 60));
    painter.setPen(QPen(QColor(220, 40, 40), 3));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
    painter.drawRect(box);
}

// Which of a level's lines tells its par.
constexpr int chooser_par_line = 3;

} // namespace

QStringList entryLines(const ChooserEntry& entry)
{
    QStringList lines;
    for (const Message& line : chooserLevelLines(entry, entry.figures.value_or(LevelFigures{})))
        lines << i18n::shown(line);
    return lines;
}

LevelGridModel::LevelGridModel(const Images& images, std::function<LevelFigures(const GameLevel&)> figures,
                               QObject* parent)
    : QAbstractListModel(parent), images_(images), figures_(std::move(figures))
{
}

void LevelGridModel::show(const LevelSet& set)
{
    beginResetModel();
    entries_.clear();
    for (ChooserLevel& level : readChooserLevels(set))
        entries_.push_back(ChooserEntry{std::move(level), {}, std::nullopt});
    endResetModel();
}

void LevelGridModel::refreshFigures()
{
    for (ChooserEntry& entry : entries_)
        entry.figures.reset();
    if (!entries_.empty())
        emit dataChanged(index(0), index(rowCount() - 1));
}

int LevelGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

const ChooserEntry& LevelGridModel::entry(int row) const
{
    ChooserEntry& e = entries_.at(static_cast<std::size_t>(row));
    if (e.level && e.thumbnail.isNull())
        e.thumbnail = toImage(levelThumbnail(*e.level, images_, thumbnail_width, thumbnail_height));
    if (e.level && !e.figures)
        e.figures = figures_(*e.level);
    return e;
}

std::optional<int> LevelGridModel::rowOf(int number) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].number == number)
            return static_cast<int>(i);
    return std::nullopt;
}

QVariant LevelGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ChooserEntry& e = entry(index.row());
    switch (role) {
    case Qt::DisplayRole: return QString::number(e.number);
    case Qt::ToolTipRole:
        return e.error ? i18n::shown(e.error->message()) : QString::fromStdString(e.file.filename().string());
    case Qt::AccessibleTextRole: return QString::number(e.number) + ": " + entryLines(e).join(", ");
    default: return {};
    }
}

void LevelGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const ChooserEntry& e = model_.entry(index.row());
    painter->save();
    const QRect cell = option.rect.adjusted(2, 2, -2, -2);
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        painter->fillRect(cell, option.palette.color(QPalette::Highlight));
    const QRect picture(cell.left() + (cell.width() - LevelGridModel::thumbnail_width) / 2, cell.top() + 4,
                        LevelGridModel::thumbnail_width, LevelGridModel::thumbnail_height);
    if (e.level) {
        const QPoint at(picture.left() + (picture.width() - e.thumbnail.width()) / 2,
                        picture.top() + (picture.height() - e.thumbnail.height()) / 2);
        painter->drawImage(at, e.thumbnail);
    } else {
        drawCrossedBox(*painter, picture.adjusted(20, 16, -20, -16));
    }

    const QColor text = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    QFont bold = option.font;
    bold.setBold(true);
    const QFontMetrics metrics(option.font);
    int top = picture.bottom() + 4;
    painter->setFont(bold);
    painter->setPen(text);
    const QString number = QString::number(e.number);
    painter->drawText(QRect(cell.left() + 6, top, cell.width() - 12, metrics.height()), Qt::AlignLeft, number);
    const QStringList lines = entryLines(e);
    const bool solved = e.figures && e.figures->solved;
    if (solved || !e.level) {
        painter->setPen(selected ? text : solved ? QColor(40, 170, 60) : QColor(220, 40, 40));
        const QString mark = solved ? QStringLiteral("✔ ") + lines.front() : lines.front();
        painter->drawText(QRect(cell.left() + 6, top, cell.width() - 12, metrics.height()), Qt::AlignRight, mark);
    }
    painter->setFont(option.font);
    painter->setPen(text);
    // The par's line is the last that fits: a kept solution is told at its right end.
    for (int i = 1; i < lines.size() && i <= chooser_par_line; ++i) {
        top += metrics.height();
        painter->drawText(QRect(cell.left() + 6, top, cell.width() - 12, metrics.height()), Qt::AlignLeft, lines[i]);
    }
    if (lines.size() > chooser_par_line + 1) {
        const QRect right(cell.left() + 6, top, cell.width() - 12, metrics.height());
        const int room = right.width() - metrics.horizontalAdvance(lines[chooser_par_line] + QStringLiteral("  "));
        painter->drawText(right, Qt::AlignRight, metrics.elidedText(lines[chooser_par_line + 1], Qt::ElideRight, room));
    }
    painter->restore();
}

} // namespace kelvaro

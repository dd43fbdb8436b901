// SPDX-License-Identifier: GPL-3.0-or-later
// The Records window: a read-only table of the levels of the set in play, and one of the daily puzzles.
#include "game/desktop/records_window.h"

#include "game/play/records_table.h"
#include "i18n/translation.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kelvaro {
namespace {

QStringList shownAll(const std::vector<Message>& messages)
{
    QStringList texts;
    for (const Message& message : messages)
        texts << i18n::shown(message);
    return texts;
}

QTableWidget* readOnlyTable(const QStringList& headers, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return table;
}

void fillRows(QTableWidget* table, const RecordsTable::Rows& rows)
{
    table->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const QStringList cells = shownAll(rows[static_cast<std::size_t>(row)]);
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignCenter);
            table->setItem(row, column, item);
        }
    }
}

// Each column as wide as its heading or widest cell and some room, whatever a language makes of
// the words; the last takes what room is left.
int fitColumns(QTableWidget* table)
{
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    table->resizeColumnsToContents();
    int width = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < table->columnCount(); ++column) {
        table->setColumnWidth(column, table->columnWidth(column) + 24);  // figures still to come
        width += table->columnWidth(column);
    }
    return width;
}

// The levels' cells with the kept solutions' beside them, a row a level.
RecordsTable::Rows besideEachOther(RecordsTable::Rows left, const RecordsTable::Rows& right)
{
    for (std::size_t row = 0; row < left.size() && row < right.size(); ++row)
        left[row].insert(left[row].end(), right[row].begin(), right[row].end());
    return left;
}

} // namespace

RecordsWindow::RecordsWindow(const RecordsShown& shown, QWidget* parent) : QDialog(parent)
{
    const RecordsTable words = recordsTable(shown);
    setWindowTitle(i18n::shown(words.title));
    table_ = readOnlyTable(shownAll(words.level_headings) + shownAll(words.solution_headings), this);
    auto* daily = new QWidget(this);
    tally_ = new QLabel(daily);
    tally_->setWordWrap(true);
    days_ = readOnlyTable(shownAll(words.day_headings), daily);
    auto* daily_layout = new QVBoxLayout(daily);
    daily_layout->addWidget(tally_);
    daily_layout->addWidget(days_);
    auto* tabs = new QTabWidget(this);
    tabs->addTab(table_, i18n::shown(words.levels_tab));
    tabs->addTab(daily, i18n::shown(words.daily_tab));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    show(shown);
    const int margins = layout->contentsMargins().left() + layout->contentsMargins().right() + 24;
    resize(std::max(520, fitColumns(table_) + margins), 600);
}

void RecordsWindow::show(const RecordsShown& shown)
{
    const RecordsTable words = recordsTable(shown);
    fillRows(table_, besideEachOther(words.levels, words.solutions));
    tally_->setText(i18n::shown(words.tally));
    fillRows(days_, words.days);
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The Records window: a read-only table of the levels of the set in play, and one of the daily puzzles.
#include "game/desktop/records_window.h"

#include "i18n/translation.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kelvaro {
namespace {

QString parText(const RecordRow& row)
{
    if (row.par)
        return QString::number(*row.par);
    return row.par_unknown ? QStringLiteral("?") : QStringLiteral("...");
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

void fillRow(QTableWidget* table, int row, const QStringList& cells)
{
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        item->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, column, item);
    }
}

} // namespace

RecordsWindow::RecordsWindow(const RecordsShown& shown, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Records"));
    table_ = readOnlyTable({tr("Level"), tr("Solved"), tr("Best time left"), tr("Fewest actions"), tr("Par")}, this);
    auto* daily = new QWidget(this);
    tally_ = new QLabel(daily);
    tally_->setWordWrap(true);
    days_ = readOnlyTable({tr("Day"), tr("Best time left"), tr("Fewest actions")}, daily);
    auto* daily_layout = new QVBoxLayout(daily);
    daily_layout->addWidget(tally_);
    daily_layout->addWidget(days_);
    auto* tabs = new QTabWidget(this);
    tabs->addTab(table_, tr("Levels"));
    tabs->addTab(daily, tr("Daily puzzles"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    resize(520, 600);
    show(shown);
}

void RecordsWindow::show(const RecordsShown& shown)
{
    table_->setRowCount(static_cast<int>(shown.rows.size()));
    for (int i = 0; i < table_->rowCount(); ++i) {
        const RecordRow& row = shown.rows[static_cast<std::size_t>(i)];
        fillRow(table_, i,
                {QString::number(row.level), row.solved ? tr("yes") : tr("no"),
                 row.solved ? QString::number(row.best_time_left) : QString(),
                 row.solved ? QString::number(row.fewest_actions) : QString(), parText(row)});
    }
    constexpr const char* context = "kelvaro::RecordsWindow";
    tally_->setText(
        i18n::counted(context, QT_TRANSLATE_N_NOOP("kelvaro::RecordsWindow", "%n days solved"), "1 day solved",
                      shown.daily.days_solved) +
        QStringLiteral("\n") +
        i18n::counted(context, QT_TRANSLATE_N_NOOP("kelvaro::RecordsWindow", "Current run: %n days"),
                      "Current run: 1 day", shown.daily.current_run) +
        QStringLiteral("\n") +
        i18n::counted(context, QT_TRANSLATE_N_NOOP("kelvaro::RecordsWindow", "Longest run: %n days"),
                      "Longest run: 1 day", shown.daily.best_run));
    days_->setRowCount(static_cast<int>(shown.days.size()));
    for (int i = 0; i < days_->rowCount(); ++i) {
        const auto& [day, record] = shown.days[static_cast<std::size_t>(i)];
        const QDate date(static_cast<int>(day.year()), static_cast<int>(static_cast<unsigned>(day.month())),
                         static_cast<int>(static_cast<unsigned>(day.day())));
        fillRow(days_, i,
                {date.toString(Qt::ISODate), QString::number(record.best_time_left),
                 QString::number(record.fewest_actions)});
    }
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The Records window: a read-only table of the levels of the set in play.
#include "game/window/qt/records_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
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

} // namespace

RecordsWindow::RecordsWindow(const std::vector<RecordRow>& rows, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Records"));
    table_ = new QTableWidget(static_cast<int>(rows.size()), 5, this);
    table_->setHorizontalHeaderLabels({tr("Level"), tr("Solved"), tr("Best time left"), tr("Fewest actions"), tr("Par")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(520, 600);
    show(rows);
}

void RecordsWindow::show(const std::vector<RecordRow>& rows)
{
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const RecordRow& row = rows[static_cast<std::size_t>(i)];
        const QString cells[] = {QString::number(row.level), row.solved ? tr("yes") : tr("no"),
                                 row.solved ? QString::number(row.best_time_left) : QString(),
                                 row.solved ? QString::number(row.fewest_actions) : QString(), parText(row)};
        for (int column = 0; column < 5; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignCenter);
            table_->setItem(i, column, item);
        }
    }
}

} // namespace kelvaro

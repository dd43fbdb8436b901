// SPDX-License-Identifier: GPL-3.0-or-later
// The Records window: one line per level, filled in as each level's par arrives, and the daily puzzles solved.
#pragma once

#include "game/ports/dialogs.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace kelvaro {

class RecordsWindow : public QDialog {
    Q_OBJECT
public:
    RecordsWindow(const RecordsShown& shown, QWidget* parent);
    void show(const RecordsShown& shown);

private:
    QTableWidget* table_;
    QLabel* tally_;
    QTableWidget* days_;
};

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The Records window: one line per level, filled in as each level's par arrives.
#pragma once

#include "game/window/dialogs.h"

#include <QDialog>

class QTableWidget;

namespace kelvaro {

class RecordsWindow : public QDialog {
    Q_OBJECT
public:
    RecordsWindow(const std::vector<RecordRow>& rows, QWidget* parent);
    void show(const std::vector<RecordRow>& rows);

private:
    QTableWidget* table_;
};

} // namespace kelvaro

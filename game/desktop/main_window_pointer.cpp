// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's mouse: clicks on the playfield to the model by cell, and the pointer's shape.
#include "game/desktop/main_window.h"

#include "level/cell_kind.h"

#include <QMouseEvent>

#include <cmath>

namespace kelvaro {

void MainWindow::scenePointer(QMouseEvent* event, QPointF at)
{
    const QPoint cell(static_cast<int>(std::floor(at.x() / cell_size)), static_cast<int>(std::floor(at.y() / cell_size)));
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:  // a quick second click is a click as well
        if (event->button() == Qt::LeftButton)
            model_->onCellClick(cell.x(), cell.y());
        else if (event->button() == Qt::RightButton)
            model_->cancelPointer();
        pointer_cell_ = cell;
        sync();
        break;
    case QEvent::MouseMove:
        pointer_cell_ = cell;
        showPointer();
        break;
    default:
        break;
    }
}

void MainWindow::pointerLeft()
{
    pointer_cell_.reset();
    showPointer();
}

void MainWindow::showPointer()
{
    const bool hand = pointer_cell_ && model_->pointerActs(pointer_cell_->x(), pointer_cell_->y());
    if (hand == hand_shown_)
        return;
    hand_shown_ = hand;
    const QCursor shape(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    client_->setCursor(shape);
    scene_view_->setCursor(shape);
}

} // namespace kelvaro

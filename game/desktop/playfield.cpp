// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's playfield: the drawing surface painted where asked, the hint and a pick's marks over it.
#include "game/desktop/playfield.h"

#include "level/cell_kind.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace kelvaro {
namespace {

QRect cellRect(int x, int y) { return QRect(x * cell_size, y * cell_size, cell_size, cell_size); }

// The object to push in yellow, the cell to push it from in cyan, over the window's surface.
void drawHint(QPainter& painter, const HintOutline& hint)
{
    if (!hint.visible)
        return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 0), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(cellRect(hint.objectx, hint.objecty).adjusted(1, 1, -2, -2));
    painter.setPen(QPen(QColor(0, 255, 255), 3, Qt::DashLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(cellRect(hint.sidex, hint.sidey).adjusted(1, 1, -2, -2));
}

// The picked object outlined in magenta, a magenta square in each cell it can be pushed to.
void drawMarks(QPainter& painter, const PushMarks& marks)
{
    if (!marks.visible)
        return;
    const QColor magenta(255, 0, 255);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(magenta, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(cellRect(marks.objectx, marks.objecty).adjusted(1, 1, -2, -2));
    for (const auto& [x, y] : marks.targets)
        painter.fillRect(cellRect(x, y).adjusted(12, 12, -12, -12), magenta);
}

} // namespace

Playfield::Playfield(const Controls& controls, QWidget* parent) : QWidget(parent), controls_(controls)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

QPointF Playfield::eventPoint(const QMouseEvent* event) { return event->position(); }

void Playfield::paintEvent(QPaintEvent* event)
{
    const Surface& s = controls_.windowSurface;
    // Every pixel is opaque: as RGB32 it is copied to the screen without conversion.
    const QImage image(reinterpret_cast<const uchar*>(s.data()), s.width(), s.height(),
                       s.width() * static_cast<int>(sizeof(Pixel)), QImage::Format_RGB32);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(event->rect(), image, event->rect());
    drawHint(painter, controls_.hintOutline);
    drawMarks(painter, controls_.pushMarks);
}

void Picture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage((width() - image_.width()) / 2, (height() - image_.height()) / 2, image_);
}

QRegion hintRegion(const HintOutline& hint)
{
    return QRegion(cellRect(hint.objectx, hint.objecty).united(cellRect(hint.sidex, hint.sidey)));
}

QRegion marksRegion(const PushMarks& marks)
{
    if (!marks.visible)
        return {};
    QRegion region = cellRect(marks.objectx, marks.objecty);
    for (const auto& [x, y] : marks.targets)
        region += cellRect(x, y);
    return region;
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing and mouse handling of the editor's palette pictures, tool outline and canvas.
#include "editor/qt/editor_widgets.h"

#include "assets/art.h"
#include "level/cell_kind.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace kelvaro {
namespace {

// The artwork's file names differ from the tool names for two of them.
struct ToolArt {
    int code;
    const char* art;
    QColor stand_in;  // shown while a picture is missing, so the tool stays usable
};
const ToolArt tool_art[] = {
    {blank, "blank", Qt::black},
    {border, "wall", QColor(0, 96, 0)},
    {goal, "goal", QColor(160, 160, 96)},
    {jewel, "jewel", QColor(96, 96, 224)},
    {obstacle, "crate", QColor(128, 80, 32)},
    {start_tool, "start", QColor(192, 0, 0)},
};

} // namespace

ToolPictures loadToolPictures()
{
    ToolPictures pictures;
    for (const ToolArt& art : tool_art) {
        QImage image = artImage(art.art);
        if (image.isNull()) {
            image = QImage(cell_size, cell_size, QImage::Format_ARGB32);
            image.fill(art.stand_in);
        }
        pictures[static_cast<std::size_t>(art.code)] = image;
    }
    return pictures;
}

ToolPicture::ToolPicture(const ToolPlace& place, const QImage& image, QWidget* parent)
    : QFrame(parent), image_(image)
{
    setObjectName(place.name);
    if (place.framed) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }
    setGeometry(place.left, place.top, place.size, place.size);
}

void ToolPicture::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}

void ToolPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

ToolOutline::ToolOutline(QWidget* parent) : QWidget(parent)
{
    setObjectName("toolOutline");
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ToolOutline::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(QColor(255, 0, 0), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

CanvasView::CanvasView(const Grid<CanvasPicture>& canvas, const ToolPictures& pictures, QWidget* parent)
    : QWidget(parent), canvas_(canvas), pictures_(pictures)
{
    setObjectName("canvas");
    setMouseTracking(true);  // the read-out follows the pointer with no button held
    setFocusPolicy(Qt::ClickFocus);  // painting takes the keys from the boxes: Ctrl+Z undoes the stroke
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvasChanged();
}

void CanvasView::canvasChanged()
{
    const QSize size(canvas_.columns() * cell_size * zoom_, canvas_.rows() * cell_size * zoom_);
    if (this->size() != size)
        setFixedSize(size);
    update();
}

void CanvasView::setZoom(int zoom)
{
    zoom_ = std::clamp(zoom, min_zoom, max_zoom);
    canvasChanged();
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);  // whole pixels, sharp
    const QRect exposed = event->rect();
    painter.fillRect(exposed, background);
    const int shown_cell = cell_size * zoom_;
    const int x0 = std::max(0, exposed.left() / shown_cell);
    const int y0 = std::max(0, exposed.top() / shown_cell);
    const int x1 = std::min(canvas_.maxx(), exposed.right() / shown_cell);
    const int y1 = std::min(canvas_.maxy(), exposed.bottom() / shown_cell);
    for (int x = x0; x <= x1; ++x) {
        for (int y = y0; y <= y1; ++y) {
            const CanvasPicture shown = canvas_.at(x, y);
            if (shown != CanvasPicture::background)
                painter.drawImage(QRect(x * shown_cell, y * shown_cell, shown_cell, shown_cell),
                                  pictures_[static_cast<std::size_t>(shown)]);
        }
    }
}

QPoint CanvasView::canvasPixel(const QMouseEvent* event) const
{
    // Whole unzoomed pixels, rounded down, so a point just left of the canvas is -1, not 0.
    const QPointF at = event->position() / zoom_;
    return {static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))};
}

void CanvasView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return event->ignore();  // the scroll area scrolls
    wheel_ += event->angleDelta().y();
    const int steps = wheel_ / 120;
    wheel_ -= steps * 120;
    if (steps != 0)
        emit zoomWheel(steps, event->position().toPoint());
    event->accept();
}

void CanvasView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = canvasPixel(event);
    emit pressed(at.x(), at.y());
}

void CanvasView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = canvasPixel(event);
    emit moved(event->buttons() != Qt::NoButton, at.x(), at.y());
}


void CanvasView::mouseReleaseEvent(QMouseEvent* event)
{
    // The stroke ends when the last button is let go.
    if (event->buttons() == Qt::NoButton)
        emit released();
}

} // namespace kelvaro

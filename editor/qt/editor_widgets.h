// SPDX-License-Identifier: GPL-3.0-or-later
// The editor window's own controls: palette pictures, the tool outline and the canvas.
#pragma once

#include "editor/core/canvas_picture.h"
#include "level/grid.h"
#include "editor/core/palette.h"

#include <QFrame>
#include <QImage>
#include <QWidget>

#include <array>

namespace kelvaro {

// The six 32 x 32 pictures by tool code, shared with the game's artwork.
using ToolPictures = std::array<QImage, tool_count>;
ToolPictures loadToolPictures();

// A palette picture: the tool's image, unscaled, inside an optional sunken frame.
class ToolPicture : public QFrame {
    Q_OBJECT
public:
    ToolPicture(const ToolPlace& place, const QImage& image, QWidget* parent);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

// The tool outline: a red one-pixel rectangle outline that lets clicks through.
class ToolOutline : public QWidget {
    Q_OBJECT
public:
    explicit ToolOutline(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The canvas: shows the canvas model cell by cell and reports the mouse in canvas pixels.
// Only the exposed cells are drawn, so even a 256 x 256 grid costs little. Zoomed, every
// picture is enlarged by whole pixels, and the mouse is still reported in unzoomed pixels.
class CanvasView : public QWidget {
    Q_OBJECT
public:
    static inline const QColor background{64, 0, 0};
    static constexpr int min_zoom = 1;
    static constexpr int max_zoom = 4;

    CanvasView(const Grid<CanvasPicture>& canvas, const ToolPictures& pictures, QWidget* parent);

    // Fits the widget to the canvas model and shows what it holds now.
    void canvasChanged();
    int zoom() const { return zoom_; }
    void setZoom(int zoom);

signals:
    // Ctrl with the wheel turned by `steps` notches, at `at` in this widget.
    void zoomWheel(int steps, QPoint at);
    void pressed(int x, int y);
    void moved(bool button_held, int x, int y);
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QPoint canvasPixel(const QMouseEvent* event) const;

    const Grid<CanvasPicture>& canvas_;
    const ToolPictures& pictures_;
    int zoom_ = min_zoom;
    int wheel_ = 0;  // eighths of a degree not yet a whole notch, as touchpads send them
};

} // namespace kelvaro

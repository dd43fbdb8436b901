// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's playfield: the window's drawing surface shown as it stands, with the hint and the push marks over it.
#pragma once

#include "game/engine/controls.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <functional>

class QMouseEvent;

namespace kelvaro {

// The window's own drawing surface, shown as it stands, pixel for pixel. The mouse on it
// (and on the labels over it, which let it through) goes to `pointer`.
class Playfield : public QWidget {
public:
    Playfield(const Controls& controls, QWidget* parent);

    std::function<void(QMouseEvent* event, QPointF scene_point)> pointer;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override { pointer(event, eventPoint(event)); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { pointer(event, eventPoint(event)); }
    void mouseMoveEvent(QMouseEvent* event) override { pointer(event, eventPoint(event)); }

private:
    static QPointF eventPoint(const QMouseEvent* event);
    const Controls& controls_;
};

// A fixed picture, centred in its control, scaled pixel for pixel on dense screens.
class Picture : public QWidget {
public:
    Picture(QImage image, QWidget* parent) : QWidget(parent), image_(std::move(image)) {}

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage image_;
};

// The cells a hint outlines, and a pick's marks cover, in the playfield's pixels.
QRegion hintRegion(const HintOutline& hint);
QRegion marksRegion(const PushMarks& marks);

} // namespace kelvaro

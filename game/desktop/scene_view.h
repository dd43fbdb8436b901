// SPDX-License-Identifier: GPL-3.0-or-later
// The window's client scene enlarged: its widgets rendered at their designed size, then scaled pixel for pixel.
#pragma once

#include "game/play/scene_scale.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QMouseEvent;

namespace kelvaro {

// Lies over the scene's own widget tree, which stays at its designed size underneath: keys,
// focus and the buttons' behaviour are theirs, unchanged; only what is seen and where the
// mouse lands are scaled. Buttons get the mouse events that land on them, mapped back.
class SceneView : public QWidget {
public:
    // `scene`: the widget whose top-left Controls::client_width x client_height pixels are shown.
    SceneView(QWidget* scene, QWidget* parent);

    // How the scene is scaled for a size of this view and a screen density, in device pixels.
    using ScaleRule = std::function<SceneScale(QSize device_size, int dpr)>;
    void setScaleRule(ScaleRule rule);
    const SceneScale& scale() const { return scale_; }

    // Renders these parts of the scene (in scene pixels) again and shows them.
    void sceneChanged(const QRegion& region);

    // Where a point of this view lies in the scene, in scene pixels; nothing off the scene.
    std::optional<QPointF> toScene(QPointF at) const;

    // Mouse events that land on the scene but on no button, with the scene point; moves off
    // the scene come with (-1, -1).
    std::function<void(QMouseEvent* event, QPointF scene_point)> pointer;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int dpr() const;
    void rescale();
    void render(const QRect& area);
    QRectF shownRect() const;  // in this view's logical pixels
    void forward(QMouseEvent* event);

    QWidget* scene_;
    ScaleRule rule_;
    SceneScale scale_;
    int scaled_for_dpr_ = 0;
    QImage rendered_;  // the scene at render_ratio
    QImage enlarged_;  // the same, enlarged by nearest
    QPointer<QWidget> grabbed_;  // the button a press went to takes the rest of the click
};

} // namespace kelvaro

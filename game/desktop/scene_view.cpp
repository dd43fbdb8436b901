// SPDX-License-Identifier: GPL-3.0-or-later
// Rendering the scene's changed parts, enlarging them by whole pixels, and mapping the mouse back.
#include "game/desktop/scene_view.h"

#include "game/engine/controls.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <cstring>

namespace kelvaro {
namespace {

const QRect scene_rect(0, 0, Controls::client_width, Controls::client_height);

// Copies `area` of `from` into `to` with every pixel made a k x k block.
void enlarge(const QImage& from, QImage& to, const QRect& area, int k)
{
    const std::size_t run = static_cast<std::size_t>(area.width()) * k * sizeof(QRgb);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(from.constScanLine(y));
        auto* first = reinterpret_cast<QRgb*>(to.scanLine(y * k)) + area.left() * k;
        QRgb* out = first;
        for (int x = area.left(); x <= area.right(); ++x)
            for (int i = 0; i < k; ++i)
                *out++ = source[x];
        for (int j = 1; j < k; ++j)
            std::memcpy(reinterpret_cast<QRgb*>(to.scanLine(y * k + j)) + area.left() * k, first, run);
    }
}

// The events by which a button changes its look on its own: pressed, focused, enabled.
bool changesLook(QEvent::Type type)
{
    switch (type) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::EnabledChange:
        return true;
    default:
        return false;
    }
}

} // namespace

SceneView::SceneView(QWidget* scene, QWidget* parent) : QWidget(parent), scene_(scene)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    for (QAbstractButton* button : scene_->findChildren<QAbstractButton*>())
        button->installEventFilter(this);
}

int SceneView::dpr() const { return std::max(1, static_cast<int>(std::lround(devicePixelRatioF()))); }

void SceneView::setScaleRule(ScaleRule rule)
{
    rule_ = std::move(rule);
    rescale();
}

void SceneView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    rescale();
}

void SceneView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    sceneChanged(scene_rect);  // hidden, it followed nothing
}

void SceneView::rescale()
{
    if (!rule_)
        return;
    scaled_for_dpr_ = dpr();
    scale_ = rule_(size() * scaled_for_dpr_, scaled_for_dpr_);
    const int r = scale_.render_ratio;
    rendered_ = QImage(scene_rect.size() * r, QImage::Format_RGB32);
    rendered_.setDevicePixelRatio(r);
    enlarged_ = QImage(scene_rect.size() * r * scale_.nearest, QImage::Format_RGB32);
    enlarged_.setDevicePixelRatio(scaled_for_dpr_);
    if (isVisible())
        sceneChanged(scene_rect);
    update();
}

void SceneView::sceneChanged(const QRegion& region)
{
    if (!isVisible() || rendered_.isNull())
        return;
    for (const QRect& area : region.intersected(scene_rect))
        render(area);
}

void SceneView::render(const QRect& area)
{
    {
        QPainter painter(&rendered_);
        scene_->render(&painter, area.topLeft(), QRegion(area), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    const int r = scale_.render_ratio;
    enlarge(rendered_, enlarged_, QRect(area.topLeft() * r, area.size() * r), scale_.nearest);
    const double d = scaled_for_dpr_;
    const QRectF shown((scale_.left + area.left() * scale_.across()) / d, (scale_.top + area.top() * scale_.down()) / d,
                       area.width() * scale_.across() / d, area.height() * scale_.down() / d);
    // Smoothing reaches one device pixel beyond the enlarged pixels it blends.
    update(shown.toAlignedRect().adjusted(-1, -1, 1, 1));
}

QRectF SceneView::shownRect() const
{
    const double d = scaled_for_dpr_;
    return QRectF(scale_.left / d, scale_.top / d, scale_.width / d, scale_.height / d);
}

void SceneView::paintEvent(QPaintEvent* event)
{
    if (dpr() != scaled_for_dpr_) {
        rescale();  // moved to a screen of another density
        return;
    }
    QPainter painter(this);
    const QRectF shown = shownRect();
    const QRegion around = QRegion(event->rect()).subtracted(QRegion(shown.toAlignedRect()));
    for (const QRect& part : around)
        painter.fillRect(part, Qt::black);
    if (scale_.smooth) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(shown, enlarged_, QRectF(enlarged_.rect()));
    } else {
        painter.drawImage(shown.topLeft(), enlarged_);  // one device pixel for one
    }
}

std::optional<QPointF> SceneView::toScene(QPointF at) const
{
    const double d = scaled_for_dpr_;
    if (scale_.width <= 0)
        return std::nullopt;
    const QPointF point((at.x() * d - scale_.left) / scale_.across(), (at.y() * d - scale_.top) / scale_.down());
    if (point.x() < 0 || point.y() < 0 || point.x() >= scene_rect.width() || point.y() >= scene_rect.height())
        return std::nullopt;
    return point;
}

bool SceneView::eventFilter(QObject* watched, QEvent* event)
{
    if (changesLook(event->type()) && isVisible()) {
        // The button changes after this event: render it once it has.
        QPointer<QWidget> button = qobject_cast<QWidget*>(watched);
        QMetaObject::invokeMethod(
            this, [this, button] {
                if (button)
                    sceneChanged(button->geometry());
            },
            Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void SceneView::forward(QMouseEvent* event)
{
    const std::optional<QPointF> point = toScene(event->position());
    QWidget* target = grabbed_;
    if (!target && point && event->type() != QEvent::MouseMove) {
        QWidget* hit = scene_->childAt(point->toPoint());
        if (qobject_cast<QAbstractButton*>(hit) && hit->isEnabled())
            target = hit;
    }
    if (target) {
        const QPointF scene_point = point.value_or(QPointF(-1, -1));
        QMouseEvent mapped(event->type(), target->mapFrom(scene_, scene_point), event->scenePosition(),
                           event->globalPosition(), event->button(), event->buttons(), event->modifiers());
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            grabbed_ = target;
        if (event->buttons() == Qt::NoButton)
            grabbed_ = nullptr;
        QCoreApplication::sendEvent(target, &mapped);
        return;
    }
    // Off the scene, on the black around it, the mouse is over no cell.
    if (pointer && (point || event->type() == QEvent::MouseMove))
        pointer(event, point.value_or(QPointF(-1, -1)));
}

void SceneView::mousePressEvent(QMouseEvent* event) { forward(event); }
void SceneView::mouseMoveEvent(QMouseEvent* event) { forward(event); }
void SceneView::mouseReleaseEvent(QMouseEvent* event) { forward(event); }
void SceneView::mouseDoubleClickEvent(QMouseEvent* event) { forward(event); }

} // namespace kelvaro

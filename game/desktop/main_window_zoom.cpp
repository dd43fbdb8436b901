// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's zoom and full screen: the Options items, the window's size, and the settings that keep them.
#include "game/desktop/main_window.h"

#include <QAction>
#include <QEvent>
#include <QLayout>
#include <QMenu>
#include <QSettings>

namespace kelvaro {
namespace {

const char* const zoom_key = "view/zoom";
const char* const full_screen_key = "view/fullScreen";

} // namespace

void MainWindow::buildViewItems(QMenu* options)
{
    auto item = [this, options](const QString& caption, QList<QKeySequence> keys, auto then) {
        QAction* action = options->addAction(caption);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this, then);
        return action;
    };
    zoom_in_ = item(tr("Zoom in"), {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)},
                    [this] { setZoom(zoom_ + 1); });
    zoom_out_ = item(tr("Zoom out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { setZoom(zoom_ - 1); });
    actual_size_ = item(tr("Actual size"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { setZoom(min_zoom); });
    full_screen_item_ = item(tr("Full screen"), {QKeySequence(Qt::Key_F11)}, [this] { setFullScreen(!full_screen_); });
    full_screen_item_->setCheckable(true);
}

// A settings file that cannot be read, or holds what this program never wrote, gives the defaults.
void MainWindow::readView()
{
    if (!settings_file_)
        return;
    const QSettings settings(QString::fromStdString(settings_file_->string()), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return;
    bool whole = false;
    const int zoom = settings.value(zoom_key, min_zoom).toInt(&whole);
    if (whole && zoom >= min_zoom && zoom <= max_zoom)
        zoom_ = zoom;
    full_screen_ = settings.value(full_screen_key).toString() == "true";
}

void MainWindow::keepView() const
{
    if (!settings_file_)
        return;
    QSettings settings(QString::fromStdString(settings_file_->string()), QSettings::IniFormat);
    settings.setValue(zoom_key, zoom_);
    settings.setValue(full_screen_key, full_screen_);
    settings.sync();
}

void MainWindow::setZoom(int zoom)
{
    zoom = std::clamp(zoom, min_zoom, max_zoom);
    if (zoom == zoom_ || full_screen_)
        return;
    zoom_ = zoom;
    applyView();
    keepView();
}

void MainWindow::setFullScreen(bool on)
{
    if (on == full_screen_)
        return;
    full_screen_ = on;
    applyView();
    keepView();
}

void MainWindow::applyView()
{
    if (full_screen_) {
        // The whole screen below the menus: the size is no longer the window's to choose.
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        client_->setMinimumSize(0, 0);
        client_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        client_->setFixedSize(client_width * zoom_, client_height * zoom_);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    scene_view_->setScaleRule([this](QSize size, int dpr) {
        return full_screen_ ? fittedScale(size.width(), size.height(), dpr) : windowedScale(zoom_, dpr);
    });
    scene_view_->setVisible(full_screen_ || zoom_ > min_zoom);
    placeSceneView();
    showViewItems();
}

void MainWindow::showViewItems()
{
    zoom_in_->setEnabled(!full_screen_ && zoom_ < max_zoom);
    zoom_out_->setEnabled(!full_screen_ && zoom_ > min_zoom);
    actual_size_->setEnabled(!full_screen_ && zoom_ > min_zoom);
    full_screen_item_->setChecked(full_screen_);
}

void MainWindow::placeSceneView()
{
    if (scene_view_->geometry() != client_->geometry())
        scene_view_->setGeometry(client_->geometry());
    scene_view_->raise();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)  // the buttons take the palette of an inactive window
        scene_view_->sceneChanged(QRect(0, 0, client_width, client_height));
    // The window manager may end full screen on its own.
    if (event->type() == QEvent::WindowStateChange && full_screen_ && !isFullScreen()) {
        full_screen_ = false;
        applyView();
        keepView();
    }
}

} // namespace kelvaro

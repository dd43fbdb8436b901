// SPDX-License-Identifier: GPL-3.0-or-later
// The main window following its model: each widget redone only where the model says it changed.
#include "game/desktop/main_window.h"

#include "game/desktop/playfield.h"
#include "i18n/translation.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace kelvaro {
namespace {

// A translation longer than its control widens it rather than being clipped; English keeps its size.
int shownWidth(const Rect& place, const QWidget* widget)
{
    return i18n::active() ? std::max(place.width, widget->sizeHint().width()) : place.width;
}

// Redoes each widget whose model changed since the widget last followed it, adding where it
// was and where it is now to `changed`.
template <typename Mirrors, typename Show>
void follow(Mirrors& mirrors, QRegion& changed, Show show)
{
    for (auto& [model, widget, shown] : mirrors) {
        if (shown == model->changes())
            continue;
        shown = model->changes();
        changed += widget->geometry();
        show(*model, *widget);
        changed += widget->geometry();
    }
}

} // namespace

void MainWindow::sync()
{
    // Only what changed is passed on: setting a widget's palette or text repaints it,
    // and this runs after every step.
    QRegion changed;  // in the scene, for its enlarged view
    showLabels(changed);
    showButtons(changed);
    showPictures(changed);
    showMenus();
    showFocus();
    showDrawn(changed);
    showOverlays(changed);
    showPointer();
    scene_view_->sceneChanged(changed);
    schedule();
}

void MainWindow::showLabels(QRegion& changed)
{
    follow(labels_, changed, [](const LabelControl& model, QLabel& label) {
        label.setText(i18n::shown(model.caption));
        label.setGeometry(static_cast<int>(model.place.left), static_cast<int>(model.place.top),
                          shownWidth(model.place, &label), model.place.height);
        QPalette palette = label.palette();
        palette.setColor(QPalette::Window, Qt::black);
        palette.setColor(QPalette::WindowText, QColor::fromRgb(model.colour));
        label.setPalette(palette);
        label.setVisible(model.visible);
    });
}

void MainWindow::showButtons(QRegion& changed)
{
    follow(buttons_, changed, [](const ButtonControl& model, QPushButton& button) {
        button.setGeometry(qRound(model.place.left), qRound(model.place.top), shownWidth(model.place, &button),
                           model.place.height);
        button.setVisible(model.visible);
    });
}

void MainWindow::showPictures(QRegion& changed)
{
    follow(pictures_, changed, [](const PictureControl& model, QWidget& picture) {
        picture.move(static_cast<int>(model.place.left), static_cast<int>(model.place.top));
        picture.setVisible(model.visible);
    });
}

QPushButton* MainWindow::buttonFor(const ButtonControl* model) const
{
    for (const auto& button : buttons_)
        if (button.model == model)
            return button.widget;
    return nullptr;
}

void MainWindow::showFocus()
{
    Controls& c = model_->controls;
    if (c.focus == Focus::none)
        return;
    const ButtonControl* target = c.focus == Focus::nextButton    ? &c.nextButton
                                  : c.focus == Focus::abortButton ? &c.abortButton
                                                                  : &c.retryButton;
    buttonFor(target)->setFocus();
    c.focus = Focus::none;
}

void MainWindow::showDrawn(QRegion& changed)
{
    // The drawing says which parts of its surface it changed: just these are painted again.
    Controls& c = model_->controls;
    const QRect surface(0, 0, c.windowSurface.width(), c.windowSurface.height());
    for (const Area& area : c.drawn) {
        const QRect drawn = QRect(area.x, area.y, area.width, area.height).intersected(surface);
        client_->update(drawn);
        changed += drawn;
    }
    c.drawn.clear();
}

void MainWindow::showOverlays(QRegion& changed)
{
    const Controls& c = model_->controls;
    if (!(shown_outline_ == c.hintOutline)) {
        for (const HintOutline& hint : {shown_outline_, c.hintOutline}) {
            client_->update(hintRegion(hint));
            changed += hintRegion(hint);
        }
        shown_outline_ = c.hintOutline;
    }
    if (!(shown_marks_ == c.pushMarks)) {
        for (const PushMarks* marks : {&std::as_const(shown_marks_), &c.pushMarks}) {
            client_->update(marksRegion(*marks));
            changed += marksRegion(*marks);
        }
        shown_marks_ = c.pushMarks;
    }
}

void MainWindow::schedule()
{
    if (const auto due = model_->nextDue()) {
        pacer_.start(millisecondsUntil(*due));
    } else {
        pacer_.stop();
    }
    if (controllers_)
        controllers_->setInPlay(model_->engine.playing() && model_->engine.paused() == 0);
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// For the Qt tests of both programs: the title a desktop shows for a window, not only the one it was given.
#pragma once

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>
#include <QWidget>
#include <QWindow>

namespace kelvaro {

// Until a display name is set, Qt's display name follows the application's name; a
// changed name that the display name does not follow gives a set one away.
inline bool displayNameSet()
{
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(name + "-probe");
    const bool set = QGuiApplication::applicationDisplayName() != QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(name);
    return set;
}

// The offscreen platform shows no title, so this applies the rule Qt's desktop platforms
// (X11, Wayland) follow with the title the window hands them: a display name, once set,
// is appended to every title not already ending in it, and an empty title shows the
// application's name. Empty for a window not yet on screen.
inline QString shownTitle(const QWidget* widget)
{
    const QWindow* window = widget->windowHandle();
    if (!window)
        return {};
    const QString title = window->title();
    const QString display = QGuiApplication::applicationDisplayName();
    if (displayNameSet() && !title.endsWith(display))
        return title.isEmpty() ? display : title + QString::fromUtf8(" \u2014 ") + display;
    return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

} // namespace kelvaro

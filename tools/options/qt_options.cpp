// SPDX-License-Identifier: GPL-3.0-or-later
// The options QGuiApplication and QApplication read from any Qt program's command line.
#include "tools/options/qt_options.h"

#include <QCommandLineOption>
#include <QStringList>

namespace kelvaro {
namespace {

// QGuiApplication's and QApplication's, and those the X11 platform reads.
const QStringList& valueOptions()
{
    static const QStringList names{"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
                                   "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "style", "stylesheet",
                                   "display", "geometry", "title", "icon"};
    return names;
}

const QStringList& flagOptions()
{
    static const QStringList names{"reverse", "widgetcount", "nograb", "dograb", "sync"};
    return names;
}

} // namespace

void acceptQtOptions(QCommandLineParser& parser)
{
    for (const QString& name : valueOptions())
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("VALUE")));
    for (const QString& name : flagOptions())
        parser.addOption(QCommandLineOption(name));
}

bool isQtValueOption(const QString& name) { return valueOptions().contains(name); }

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The player's keys kept in the settings file: one entry an action, a key's name or two.
#include "game/desktop/key_settings.h"

#include "game/desktop/controller/game_controllers.h"
#include "game/desktop/key_names.h"

#include <QSettings>

#include <algorithm>

namespace kelvaro {
namespace {

const char* const keyboard_group = "keys";
const char* const pad_group = "controller";

KeyBindings readGroup(const QSettings& settings, const char* group, const KeyBindings& defaults,
                      const std::function<bool(const std::string&)>& known)
{
    return KeyBindings::read(
        defaults,
        [&](KeyAction action) -> std::optional<KeyBindings::Names> {
            const QString key = QString::fromLatin1(group) + '/' + settingsName(action);
            if (!settings.contains(key))
                return std::nullopt;
            KeyBindings::Names names;
            for (const QString& name : settings.value(key).toStringList())
                names.push_back(name.toStdString());
            return names;
        },
        known);
}

bool knownButton(const std::string& name)
{
    const std::vector<std::string>& buttons = GameControllers::bindableButtons();
    return std::find(buttons.begin(), buttons.end(), name) != buttons.end();
}

} // namespace

PlayerKeys readPlayerKeys(const QString& file)
{
    const QSettings settings(file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return {};
    return {readGroup(settings, keyboard_group, KeyBindings::defaults(), knownKeyName),
            readGroup(settings, pad_group, KeyBindings::padDefaults(), knownButton)};
}

void keepPlayerKeys(const QString& file, const PlayerKeys& keys)
{
    QSettings settings(file, QSettings::IniFormat);
    for (const auto& [group, bindings] : {std::pair{keyboard_group, &keys.keyboard}, std::pair{pad_group, &keys.pad}})
        for (KeyAction action : key_actions) {
            QStringList names;
            for (const std::string& name : bindings->keys(action))
                names << QString::fromStdString(name);
            settings.setValue(QString::fromLatin1(group) + '/' + settingsName(action), names);
        }
    settings.sync();
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The Help and About texts, in the context the desktop's text window has always translated them in.
#include "game/play/window_text.h"

namespace kelvaro {
namespace {

constexpr const char* text_context = "kelvaro::TextWindow";

std::vector<Message> phrases(std::initializer_list<const char*> sources)
{
    std::vector<Message> lines;
    for (const char* source : sources)
        lines.push_back(*source ? phrase(text_context, source) : Message());
    return lines;
}

// An action's keys as the Help names them: "W", or "Backspace/U".
std::string keysOf(const KeyBindings& keys, KeyAction action)
{
    std::string named;
    for (const std::string& name : keys.keys(action))
        named += (named.empty() ? "" : "/") + name;
    return named;
}

bool sameKeys(const KeyBindings& keys, std::initializer_list<KeyAction> actions)
{
    const KeyBindings game = KeyBindings::defaults();
    for (KeyAction action : actions)
        if (keys.keys(action) != game.keys(action))
            return false;
    return true;
}

} // namespace

WindowText helpText(const KeyBindings& keys)
{
    WindowText help{phrase(text_context, QT_TRANSLATE_NOOP("kelvaro::TextWindow", "HELP")),
                    phrases({"", QT_TRANSLATE_NOOP("kelvaro::TextWindow", "  This is simple:"),
                             QT_TRANSLATE_NOOP("kelvaro::TextWindow", "  Move Kelvaro using the arrow keys."),
                             QT_TRANSLATE_NOOP("kelvaro::TextWindow", "  Use the Ctrl key to push the obstacles."),
                             QT_TRANSLATE_NOOP("kelvaro::TextWindow", "  If you move the ball on the 'goal' point"),
                             QT_TRANSLATE_NOOP("kelvaro::TextWindow", "  before time expires,you win!")})};
    if (!sameKeys(keys, {KeyAction::left, KeyAction::right, KeyAction::up, KeyAction::down}))
        help.lines[2] = phrase(text_context, QT_TRANSLATE_NOOP("kelvaro::TextWindow", "  Move Kelvaro using the %1 keys."),
                               {keysOf(keys, KeyAction::up) + " " + keysOf(keys, KeyAction::left) + " " + keysOf(keys, KeyAction::down) + " " +
                                keysOf(keys, KeyAction::right)});
    if (!sameKeys(keys, {KeyAction::push}))
        help.lines[3] = phrase(text_context, QT_TRANSLATE_NOOP("kelvaro::TextWindow", "  Use the %1 key to push the obstacles."),
                               {keysOf(keys, KeyAction::push)});
    if (!sameKeys(keys, {KeyAction::pause, KeyAction::takeBack, KeyAction::redo, KeyAction::hint}))
        help.lines.push_back(phrase(text_context,
                                    QT_TRANSLATE_NOOP("kelvaro::TextWindow", "  Pause %1, take back %2, redo %3, hint %4."),
                                    {keysOf(keys, KeyAction::pause), keysOf(keys, KeyAction::takeBack), keysOf(keys, KeyAction::redo),
                                     keysOf(keys, KeyAction::hint)}));
    return help;
}

WindowText aboutText()
{
    return {phrase(text_context, QT_TRANSLATE_NOOP("kelvaro::TextWindow", "About Kelvaro")),
            phrases({QT_TRANSLATE_NOOP("kelvaro::TextWindow", "Kelvaro 1.0 - a push puzzle for the desktop"),
                     QT_TRANSLATE_NOOP("kelvaro::TextWindow", "Game, levels and editor: the Kelvaro team"),
                     QT_TRANSLATE_NOOP("kelvaro::TextWindow", "Pictures and sounds made by our own tools"),
                     QT_TRANSLATE_NOOP("kelvaro::TextWindow", "Free to play, share and change")})};
}

} // namespace kelvaro

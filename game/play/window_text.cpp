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

} // namespace

WindowText helpText()
{
    return {phrase(text_context, QT_TRANSLATE_NOOP("kelvaro::TextWindow", "HELP")),
            phrases({"", QT_TRANSLATE_NOOP("kelvaro::TextWindow", "  This is simple:"),
                     QT_TRANSLATE_NOOP("kelvaro::TextWindow", "  Move Kelvaro using the arrow keys."),
                     QT_TRANSLATE_NOOP("kelvaro::TextWindow", "  Use the Ctrl key to push the obstacles."),
                     QT_TRANSLATE_NOOP("kelvaro::TextWindow", "  If you move the ball on the 'goal' point"),
                     QT_TRANSLATE_NOOP("kelvaro::TextWindow", "  before time expires,you win!")})};
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

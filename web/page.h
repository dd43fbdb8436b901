// SPDX-License-Identifier: GPL-3.0-or-later
// What the web shell asks of the page: boxes, the controls' state, the drawn areas, the next wake-up.
#pragma once

#include "game/engine/controls.h"

#include <string>

namespace kelvaro {

class Page {
public:
    enum class BoxKind { ok, yesNo, input, help, about, records };

    virtual ~Page() = default;
    virtual void openBox(int id, BoxKind kind, const std::string& title, const std::string& text) = 0;
    // Copies the area of the window's surface to the scene's canvas.
    virtual void blit(const Surface& surface, const Area& area) = 0;
    // Labels and buttons by their index in the window's order; pictures: 0 sad, 1 title.
    virtual void showLabel(int index, const LabelControl& label) = 0;
    virtual void showButton(int index, const ButtonControl& button, bool focused) = 0;
    virtual void showPicture(int index, const Surface& image, const PictureControl& picture) = 0;
    virtual void showMenuItem(const char* name, const MenuItem& item) = 0;
    virtual void showOverlay(const HintOutline& hint, const PushMarks& marks) = 0;
    // Calls back in `milliseconds`, replacing the wake-up asked for before; negative: none.
    virtual void wakeIn(int milliseconds) = 0;
    // The player's files changed: the page keeps them in the browser's storage.
    virtual void keepFiles() = 0;
};

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// What the C++ side asks of the page's script: boxes, the controls' state, the drawn areas, the next wake-up.
#pragma once

#include "game/engine/controls.h"

#include <string>

namespace kelvaro::page {

enum class BoxKind { ok, yesNo, input, help, about, records };

void openBox(int id, BoxKind kind, const std::string& title, const std::string& text);
// Copies the area of the window's surface to the canvas.
void blit(const Surface& surface, const Area& area);
void showLabel(int index, const LabelControl& label);
void showButton(int index, const ButtonControl& button, bool focused);
void showPicture(int index, const Surface& image, const PictureControl& picture);
void showMenuItem(const char* name, const MenuItem& item);
void showOverlay(const HintOutline& hint, const PushMarks& marks);
// Calls back in `milliseconds`, replacing the wake-up asked for before; none: no wake-up.
void wakeIn(int milliseconds);

} // namespace kelvaro::page

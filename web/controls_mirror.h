// SPDX-License-Identifier: GPL-3.0-or-later
// Hands the page what changed of the window's controls since it last looked: counts compared, nothing else.
#pragma once

#include "game/engine/controls.h"
#include "game/engine/images.h"
#include "web/page.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace kelvaro {

class ControlsMirror {
public:
    explicit ControlsMirror(Page& page) : page_(page) {}

    // Everything on the first call; then only the controls whose count moved, and the drawn
    // areas, which it empties.
    void show(Controls& controls, const Images& images);
    // The page's language changed: the next show() hands it everything again, worded anew.
    void showAgain()
    {
        first_ = true;
        hint_.reset();
        marks_.reset();
    }

private:
    void showLabels(const Controls& controls);
    void showButtons(const Controls& controls);
    void showPictures(const Controls& controls, const Images& images);
    void showMenus(const Controls& controls);
    void showOverlay(const Controls& controls);

    Page& page_;
    bool first_ = true;
    std::vector<std::uint32_t> labels_;
    std::vector<std::uint32_t> buttons_;
    std::vector<std::uint32_t> pictures_;
    std::uint32_t menus_ = 0;
    std::optional<Focus> focus_;
    std::optional<HintOutline> hint_;
    std::optional<PushMarks> marks_;
};

} // namespace kelvaro

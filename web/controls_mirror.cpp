// SPDX-License-Identifier: GPL-3.0-or-later
// The controls mirrored to the page, in the order the desktop window builds them.
#include "web/controls_mirror.h"

#include <array>

namespace kelvaro {
namespace {

std::array<const LabelControl*, 8> labelsOf(const Controls& c)
{
    return {&c.levelLabel, &c.timeLabel, &c.gameOverLabel, &c.pausedLabel, &c.winnerLabel, &c.bannerLabel,
            &c.pauseHintLabel, &c.lostMarkLabel};
}

std::array<const ButtonControl*, 3> buttonsOf(const Controls& c) { return {&c.nextButton, &c.abortButton, &c.retryButton}; }

// Whether `count` moved since `seen`, noting it.
bool moved(std::vector<std::uint32_t>& seen, std::size_t index, std::uint32_t count, bool first)
{
    if (seen.size() <= index)
        seen.resize(index + 1);
    const bool changed = first || seen[index] != count;
    seen[index] = count;
    return changed;
}

} // namespace

void ControlsMirror::show(Controls& controls, const Images& images)
{
    showLabels(controls);
    showButtons(controls);
    showPictures(controls, images);
    showMenus(controls);
    if (first_)
        controls.drawn.assign(1, Area{0, 0, Controls::client_width, Controls::client_height});
    for (const Area& area : controls.drawn)
        page_.blit(controls.windowSurface, area);
    controls.drawn.clear();
    showOverlay(controls);
    first_ = false;
}

void ControlsMirror::showLabels(const Controls& controls)
{
    const auto labels = labelsOf(controls);
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (moved(labels_, i, labels[i]->changes(), first_))
            page_.showLabel(static_cast<int>(i), *labels[i]);
}

void ControlsMirror::showButtons(const Controls& controls)
{
    const auto buttons = buttonsOf(controls);
    const bool refocused = focus_ != controls.focus;
    focus_ = controls.focus;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const bool focused = controls.focus == static_cast<Focus>(i + 1);
        if (moved(buttons_, i, buttons[i]->changes(), first_) || refocused)
            page_.showButton(static_cast<int>(i), *buttons[i], focused);
    }
}

void ControlsMirror::showPictures(const Controls& controls, const Images& images)
{
    const std::pair<const PictureControl*, const Surface*> pictures[] = {{&controls.sadPicture, &images.sadPicture},
                                                                         {&controls.titlePicture, &images.titlePicture}};
    for (std::size_t i = 0; i < 2; ++i)
        if (moved(pictures_, i, pictures[i].first->changes(), first_))
            page_.showPicture(static_cast<int>(i), *pictures[i].second, *pictures[i].first);
}

void ControlsMirror::showMenus(const Controls& controls)
{
    if (!first_ && menus_ == controls.menuChanges())
        return;
    menus_ = controls.menuChanges();
    page_.showMenuItem("newGame", controls.newGameItem);
    page_.showMenuItem("endGame", controls.endGameItem);
    page_.showMenuItem("restart", controls.restartLevelItem);
    page_.showMenuItem("sound", controls.soundItem);
    page_.showMenuItem("help", controls.helpItem);
    page_.showMenuItem("about", controls.aboutItem);
}

// The hint and the marks hold no count: they are small, and compared.
void ControlsMirror::showOverlay(const Controls& controls)
{
    if (hint_ == controls.hintOutline && marks_ == controls.pushMarks)
        return;
    hint_ = controls.hintOutline;
    marks_ = controls.pushMarks;
    page_.showOverlay(controls.hintOutline, controls.pushMarks);
}

} // namespace kelvaro

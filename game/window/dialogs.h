// SPDX-License-Identifier: GPL-3.0-or-later
// The modal boxes and windows the game's handlers open; each answers through its callback when it closes.
#pragma once

#include <functional>
#include <string>

namespace kelvaro {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A Yes/No box without an icon.
    virtual void confirm(const std::string& text, const std::string& title, std::function<void(bool yes)> done) = 0;
    // An input box; Cancel answers with the empty string.
    virtual void inputBox(const std::string& prompt, const std::string& title,
                          std::function<void(const std::string& answer)> done) = 0;
    // An OK box with the program's own title.
    virtual void message(const std::string& text, std::function<void()> done) = 0;
    virtual void showHelp(std::function<void()> done) = 0;
    virtual void showAbout(std::function<void()> done) = 0;
};

} // namespace kelvaro

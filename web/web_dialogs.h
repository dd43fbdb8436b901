// SPDX-License-Identifier: GPL-3.0-or-later
// The game's boxes as HTML dialogs of the page: each opens at once and answers when the player closes it.
#pragma once

#include "game/ports/dialogs.h"
#include "web/page.h"

#include <functional>
#include <map>
#include <string>

namespace kelvaro {

class WebDialogs : public Dialogs {
public:
    explicit WebDialogs(Page& page) : page_(page) {}

    void confirm(const Message& text, const Message& title, std::function<void(bool yes)> done) override;
    void inputBox(const Message& prompt, const Message& title, std::function<void(const std::string& answer)> done) override;
    void message(const Message& text, std::function<void()> done) override;
    void showHelp(std::function<void()> done) override;
    void showAbout(std::function<void()> done) override;
    void showRecords(const RecordsShown& shown, std::function<void()> done) override;

    // The page closed box `id`: `yes` for Yes or OK, `text` what was typed (empty for Cancel).
    void answer(int id, bool yes, const std::string& text);
    // Runs after every answer: the shell advances the model and mirrors it.
    std::function<void()> after_close = [] {};

private:
    using Answer = std::function<void(bool yes, const std::string& text)>;
    int open(Answer answer);

    Page& page_;
    std::map<int, Answer> open_;
    int next_id_ = 1;
};

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The boxes handed to the page's script, which words nothing: every text arrives in English.
#include "web/web_dialogs.h"

#include <sstream>

namespace kelvaro {
namespace {

// One line a level: its number, and the player's best if solved.
std::string recordsText(const RecordsShown& shown)
{
    std::ostringstream text;
    for (const RecordRow& row : shown.rows) {
        text << row.level << ": ";
        if (row.solved)
            text << row.best_time_left << " s left, " << row.fewest_actions << " moves";
        else
            text << "-";
        if (row.par)
            text << " (par " << *row.par << ")";
        text << '\n';
    }
    return text.str();
}

} // namespace

int WebDialogs::open(Answer answer)
{
    const int id = next_id_++;
    open_.emplace(id, std::move(answer));
    return id;
}

void WebDialogs::answer(int id, bool yes, const std::string& text)
{
    auto found = open_.find(id);
    if (found == open_.end())
        return;
    Answer answer = std::move(found->second);
    open_.erase(found);
    answer(yes, text);
    after_close();
}

void WebDialogs::confirm(const Message& text, const Message& title, std::function<void(bool yes)> done)
{
    const int id = open([done](bool yes, const std::string&) { done(yes); });
    page_.openBox(id, Page::BoxKind::yesNo, english(title), english(text));
}

void WebDialogs::inputBox(const Message& prompt, const Message& title, std::function<void(const std::string& answer)> done)
{
    const int id = open([done](bool, const std::string& text) { done(text); });
    page_.openBox(id, Page::BoxKind::input, english(title), english(prompt));
}

void WebDialogs::message(const Message& text, std::function<void()> done)
{
    const int id = open([done](bool, const std::string&) { done(); });
    page_.openBox(id, Page::BoxKind::ok, "Kelvaro", english(text));
}

void WebDialogs::showHelp(std::function<void()> done)
{
    const int id = open([done](bool, const std::string&) { done(); });
    page_.openBox(id, Page::BoxKind::help, "Help", "");
}

void WebDialogs::showAbout(std::function<void()> done)
{
    const int id = open([done](bool, const std::string&) { done(); });
    page_.openBox(id, Page::BoxKind::about, "About", "");
}

void WebDialogs::showRecords(const RecordsShown& shown, std::function<void()> done)
{
    const int id = open([done](bool, const std::string&) { done(); });
    page_.openBox(id, Page::BoxKind::records, "Records", recordsText(shown));
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The boxes handed to the page's script, which words nothing: every text arrives in the page's language.
#include "web/web_dialogs.h"

#include "game/play/records_table.h"
#include "game/play/window_phrases.h"
#include "game/play/window_text.h"

#include <cmath>

namespace kelvaro {
namespace {

PageTable pageTable(const std::vector<Message>& headings, const RecordsTable::Rows& rows)
{
    PageTable table{worded(headings), {}};
    for (const std::vector<Message>& row : rows)
        table.rows.push_back(worded(row));
    return table;
}

RecordsView recordsView(const RecordsShown& shown)
{
    const RecordsTable table = recordsTable(shown);
    return {worded(table.title),     worded(table.levels_tab), pageTable(table.level_headings, table.levels),
            worded(table.daily_tab), worded(table.tally),      pageTable(table.day_headings, table.days)};
}

// The lines of a text window, one a line of the text.
std::string windowLines(const WindowText& text)
{
    std::string lines;
    for (std::size_t i = 0; i < text.lines.size(); ++i)
        lines += (i ? "\n" : "") + worded(text.lines[i]);
    return lines;
}

// The desktop's box words these, under its own context.
Message boxWord(const char* source) { return phrase("QtDialogs", source); }

PuzzleBoxView puzzleBoxView(forge::Grade grade)
{
    PuzzleBoxView view{worded(gameMessage(words::generated_puzzle)),
                       worded(boxWord(QT_TRANSLATE_NOOP("QtDialogs", "Grade:"))),
                       worded(boxWord(QT_TRANSLATE_NOOP("QtDialogs", "Code:"))),
                       worded(boxWord(QT_TRANSLATE_NOOP("QtDialogs", "such as M-00042"))),
                       worded(boxWord(QT_TRANSLATE_NOOP("QtDialogs", "Without a code, a new puzzle of the grade."))),
                       {},
                       static_cast<int>(grade)};
    const char* names[] = {QT_TRANSLATE_NOOP("QtDialogs", "Easy"), QT_TRANSLATE_NOOP("QtDialogs", "Medium"),
                           QT_TRANSLATE_NOOP("QtDialogs", "Hard"), QT_TRANSLATE_NOOP("QtDialogs", "Expert")};
    for (forge::Grade each : forge::grades)
        view.grades.push_back(worded(boxWord(names[static_cast<int>(each)])));
    return view;
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
    page_.openBox(id, Page::BoxKind::yesNo, worded(title), worded(text));
}

void WebDialogs::inputBox(const Message& prompt, const Message& title, std::function<void(const std::string& answer)> done)
{
    const int id = open([done](bool, const std::string& text) { done(text); });
    page_.openBox(id, Page::BoxKind::input, worded(title), worded(prompt));
}

void WebDialogs::message(const Message& text, std::function<void()> done)
{
    const int id = open([done](bool, const std::string&) { done(); });
    page_.openBox(id, Page::BoxKind::ok, "Kelvaro", worded(text));
}

void WebDialogs::showHelp(std::function<void()> done)
{
    const int id = open([done](bool, const std::string&) { done(); });
    const WindowText text = helpText(keys_in_use());
    page_.openBox(id, Page::BoxKind::help, worded(text.title), windowLines(text));
}

void WebDialogs::showAbout(std::function<void()> done)
{
    const int id = open([done](bool, const std::string&) { done(); });
    const WindowText text = aboutText();
    page_.openBox(id, Page::BoxKind::about, worded(text.title), windowLines(text));
}

void WebDialogs::showRecords(const RecordsShown& shown, std::function<void()> done)
{
    records_id_ = open([this, done](bool, const std::string&) {
        records_id_ = 0;
        done();
    });
    page_.showRecords(records_id_, recordsView(shown));
}

void WebDialogs::updateRecords(const RecordsShown& shown)
{
    if (records_id_)
        page_.showRecords(records_id_, recordsView(shown));
}

// The answer's text: the grade's index, a blank, the code typed.
void WebDialogs::askPuzzle(forge::Grade grade, std::function<void(std::optional<PuzzleAsk>)> done)
{
    const int id = open([done](bool yes, const std::string& text) {
        const int index = text.empty() ? -1 : text[0] - '0';
        if (!yes || index < 0 || index > static_cast<int>(forge::Grade::expert)) {
            done(std::nullopt);
            return;
        }
        done(PuzzleAsk{static_cast<forge::Grade>(index), text.size() > 2 ? text.substr(2) : std::string()});
    });
    page_.openPuzzleBox(id, puzzleBoxView(grade));
}

void WebDialogs::showProgress(const Message& title, std::function<void()> cancelled)
{
    const int id = open([this, cancelled](bool, const std::string&) {
        progress_.reset();
        cancelled();
    });
    progress_ = Progress{id, worded(title)};
    setProgress(0);
}

void WebDialogs::setProgress(double share)
{
    if (!progress_)
        return;
    const int thousandths = static_cast<int>(std::lround(share * 1000));
    if (thousandths == progress_->shown)
        return;
    progress_->shown = thousandths;
    page_.showProgress(progress_->id, progress_->title, worded(boxWord(QT_TRANSLATE_NOOP("QtDialogs", "Making the puzzle…"))),
                       thousandths / 1000.0);
}

// Closed by the game, not by the player: no Cancel.
void WebDialogs::endProgress()
{
    if (!progress_)
        return;
    open_.erase(progress_->id);
    page_.closeBox(progress_->id);
    progress_.reset();
}

} // namespace kelvaro

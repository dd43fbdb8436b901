// SPDX-License-Identifier: GPL-3.0-or-later
// The Records window's cells, in the context the desktop's Records window has always translated them in.
#include "game/play/records_table.h"

#include <cstdio>
#include <string>

namespace kelvaro {
namespace {

constexpr const char* records_context = "kelvaro::RecordsWindow";

Message recordsWord(const char* source) { return phrase(records_context, source); }

Message figure(int n) { return plainText(std::to_string(n)); }

// A par still being worked out shows dots; one the solver could not find, a question mark.
Message parCell(const RecordRow& row)
{
    if (row.par)
        return figure(*row.par);
    return plainText(row.par_unknown ? "?" : "...");
}

const char* solvedWord(const RecordRow& row)
{
    if (row.solved)
        return QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "yes");
    return row.seen ? QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "seen") : QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "no");
}

std::vector<Message> levelRow(const RecordRow& row)
{
    return {figure(row.level), recordsWord(solvedWord(row)), row.solved ? figure(row.best_time_left) : Message(),
            row.solved ? figure(row.fewest_actions) : Message(), parCell(row)};
}

std::vector<Message> solutionRow(const RecordRow& row)
{
    if (!row.kept)
        return std::vector<Message>(4);
    return {figure(row.kept->actions), figure(row.kept->pushes), figure(row.kept->object_changes),
            figure(row.kept->push_runs)};
}

Message isoDay(const std::chrono::year_month_day& day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()), static_cast<unsigned>(day.month()),
                  static_cast<unsigned>(day.day()));
    return plainText(text);
}

Message tallyText(const DailyTally& daily)
{
    return listed({counted(records_context, QT_TRANSLATE_N_NOOP("kelvaro::RecordsWindow", "%n days solved"),
                           "1 day solved", daily.days_solved),
                   counted(records_context, QT_TRANSLATE_N_NOOP("kelvaro::RecordsWindow", "Current run: %n days"),
                           "Current run: 1 day", daily.current_run),
                   counted(records_context, QT_TRANSLATE_N_NOOP("kelvaro::RecordsWindow", "Longest run: %n days"),
                           "Longest run: 1 day", daily.best_run)},
                  "\n");
}

} // namespace

RecordsTable recordsTable(const RecordsShown& shown)
{
    const Message best = recordsWord(QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "Best time left"));
    const Message fewest = recordsWord(QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "Fewest actions"));
    RecordsTable table;
    table.title = recordsWord(QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "Records"));
    table.levels_tab = recordsWord(QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "Levels"));
    table.level_headings = {recordsWord(QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "Level")),
                            recordsWord(QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "Solved")), best, fewest,
                            recordsWord(QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "Par"))};
    table.solution_headings = {recordsWord(QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "Actions")),
                               recordsWord(QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "Pushes")),
                               recordsWord(QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "Object changes")),
                               recordsWord(QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "Push runs"))};
    for (const RecordRow& row : shown.rows) {
        table.levels.push_back(levelRow(row));
        table.solutions.push_back(solutionRow(row));
    }
    table.daily_tab = recordsWord(QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "Daily puzzles"));
    table.tally = tallyText(shown.daily);
    table.day_headings = {recordsWord(QT_TRANSLATE_NOOP("kelvaro::RecordsWindow", "Day")), best, fewest};
    for (const auto& [day, record] : shown.days)
        table.days.push_back({isoDay(day), figure(record.best_time_left), figure(record.fewest_actions)});
    return table;
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// JSON for the page: only strings, lists and objects of them, escaped as the format asks.
#include "web/page_json.h"

#include <cstdio>

namespace kelvaro {

std::string jsonText(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;  // UTF-8 passes as it is
        }
    }
    return out + '"';
}

std::string jsonList(const std::vector<std::string>& texts)
{
    std::string out = "[";
    for (const std::string& text : texts)
        out += (out.size() > 1 ? "," : "") + jsonText(text);
    return out + ']';
}

namespace {

std::string jsonRows(const std::vector<std::vector<std::string>>& rows)
{
    std::string out = "[";
    for (const std::vector<std::string>& row : rows)
        out += (out.size() > 1 ? "," : "") + jsonList(row);
    return out + "]";
}

std::string jsonTable(const PageTable& table)
{
    return R"({"headings":)" + jsonList(table.headings) + R"(,"rows":)" + jsonRows(table.rows) + "}";
}

} // namespace

std::string jsonRecords(const RecordsView& view)
{
    return R"({"title":)" + jsonText(view.title) + R"(,"levelsTab":)" + jsonText(view.levels_tab) + R"(,"levels":)" +
           jsonTable(view.levels) + R"(,"dailyTab":)" + jsonText(view.daily_tab) + R"(,"tally":)" + jsonText(view.tally) +
           R"(,"days":)" + jsonTable(view.days) + "}";
}

std::string jsonPuzzleBox(const PuzzleBoxView& view)
{
    return R"({"title":)" + jsonText(view.title) + R"(,"gradeLabel":)" + jsonText(view.grade_label) + R"(,"codeLabel":)" +
           jsonText(view.code_label) + R"(,"codeHint":)" + jsonText(view.code_hint) + R"(,"note":)" + jsonText(view.note) +
           R"(,"grades":)" + jsonList(view.grades) + R"(,"grade":)" + std::to_string(view.grade) + "}";
}

std::string jsonKeys(const KeysView& view)
{
    return R"({"actions":)" + jsonList(view.actions) + R"(,"keys":)" + jsonRows(view.keys) + R"(,"refusal":)" +
           jsonText(view.refusal) + "}";
}

} // namespace kelvaro

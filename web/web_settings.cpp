// SPDX-License-Identifier: GPL-3.0-or-later
// The page's settings file: a small ini file of one section, read leniently and written whole.
#include "web/web_settings.h"

#include "level/level_files.h"
#include "level/plain_file.h"

#include <sstream>

namespace kelvaro {
namespace {

constexpr std::size_t most_bytes = 64 * 1024;

std::string trimmed(std::string text)
{
    text.erase(text.find_last_not_of(" \t\r") + 1);  // all blanks: npos + 1 erases everything
    return text.erase(0, text.find_first_not_of(" \t\r"));
}

void apply(WebSettings& settings, const std::string& key, const std::string& value)
{
    if (key == "current_set")
        settings.current_set = value.empty() ? std::nullopt : std::optional<std::filesystem::path>(std::string(value));
    else if (key == "sound" && (value == "true" || value == "false"))
        settings.sound = value == "true";
}

} // namespace

WebSettings parseWebSettings(std::string_view text)
{
    WebSettings settings;
    bool in_game = false;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        line = trimmed(line);
        if (!line.empty() && line.front() == '[')
            in_game = line == "[game]";
        else if (const std::size_t equals = line.find('='); in_game && equals != std::string::npos)
            apply(settings, trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)));
    }
    return settings;
}

std::string webSettingsText(const WebSettings& settings)
{
    std::string text = "[game]\n";
    text += "current_set=" + (settings.current_set ? settings.current_set->string() : std::string()) + "\n";
    text += std::string("sound=") + (settings.sound ? "true" : "false") + "\n";
    return text;
}

WebSettings readWebSettings(const std::filesystem::path& file)
{
    const PlainFile plain(file);
    const std::optional<std::string> text = plain.ok() ? plain.read(most_bytes) : std::nullopt;
    return text ? parseWebSettings(*text) : WebSettings{};
}

bool writeWebSettings(const std::filesystem::path& file, const WebSettings& settings)
{
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    return !writeFileWhole(file, webSettingsText(settings));
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The page's settings file: a small ini file of one section, read leniently and written whole.
#include "web/web_settings.h"

#include "level/level_files.h"
#include "level/plain_file.h"
#include "web/web_keys.h"

#include <map>

#include <sstream>

namespace kelvaro {
namespace {

constexpr std::size_t most_bytes = 64 * 1024;

std::string trimmed(std::string text)
{
    text.erase(text.find_last_not_of(" \t\r") + 1);  // all blanks: npos + 1 erases everything
    return text.erase(0, text.find_first_not_of(" \t\r"));
}

// A list of key names as the desktop's settings write it: "Backspace, U"; a name holding a
// comma, a quote or a blank is quoted, with its quotes and backslashes escaped.
std::string namesText(const KeyBindings::Names& names)
{
    std::string text;
    for (const std::string& name : names) {
        text += text.empty() ? "" : ", ";
        if (name.find_first_of(",;=\\\" \t") == std::string::npos) {
            text += name;
            continue;
        }
        text += '"';
        for (char c : name)
            text += c == '"' || c == '\\' ? std::string{'\\', c} : std::string{c};
        text += '"';
    }
    return text;
}

KeyBindings::Names namesOf(const std::string& text)
{
    KeyBindings::Names names;
    std::string name;
    bool quoted = false, any = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '\\' && i + 1 < text.size())
            name += text[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted) {
            names.push_back(trimmed(name));
            name.clear();
        } else
            name += c;
        any = true;
    }
    if (any)
        names.push_back(quoted ? std::string() : trimmed(name));  // an unclosed quote: no name, refused
    return names;
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
    std::string section;
    std::map<std::string, std::string> keys;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        line = trimmed(line);
        const std::size_t equals = line.find('=');
        if (!line.empty() && line.front() == '[')
            section = line;
        else if (equals == std::string::npos)
            continue;
        else if (section == "[game]")
            apply(settings, trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)));
        else if (section == "[keys]")
            keys[trimmed(line.substr(0, equals))] = trimmed(line.substr(equals + 1));
    }
    settings.keys = KeyBindings::read(
        KeyBindings::defaults(),
        [&keys](KeyAction action) -> std::optional<KeyBindings::Names> {
            const auto found = keys.find(settingsName(action));
            return found == keys.end() ? std::nullopt : std::optional(namesOf(found->second));
        },
        webKeyName);
    return settings;
}

std::string webSettingsText(const WebSettings& settings)
{
    std::string text = "[game]\n";
    text += "current_set=" + (settings.current_set ? settings.current_set->string() : std::string()) + "\n";
    text += std::string("sound=") + (settings.sound ? "true" : "false") + "\n";
    text += "\n[keys]\n";
    for (KeyAction action : key_actions)
        text += std::string(settingsName(action)) + "=" + namesText(settings.keys.keys(action)) + "\n";
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

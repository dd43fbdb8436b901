// SPDX-License-Identifier: GPL-3.0-or-later
// What the page keeps between visits beside the records: the set in play, the sound and the keys, in the desktop's ini form.
#pragma once

#include "game/ports/key_bindings.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

struct WebSettings {
    std::optional<std::filesystem::path> current_set;  // none: the built-in set
    bool sound = true;
    KeyBindings keys = KeyBindings::defaults();
    bool operator==(const WebSettings&) const = default;
};

// Reads "[game]" and "[keys]" and their "key=value" lines as the desktop's kelvaro.ini has them;
// unknown keys and sections are passed over, and a value that makes no sense keeps the default
// (for the keys, as KeyBindings::read judges them: a damaged entry falls back to its default).
WebSettings parseWebSettings(std::string_view text);
std::string webSettingsText(const WebSettings& settings);

// The settings in `file`; the defaults when it is missing or cannot be read.
WebSettings readWebSettings(const std::filesystem::path& file);
// Writes the whole file or nothing; false when it could not be written.
bool writeWebSettings(const std::filesystem::path& file, const WebSettings& settings);

} // namespace kelvaro

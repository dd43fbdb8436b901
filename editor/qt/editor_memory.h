// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's last grid size and tool, kept between runs in the programs' settings file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kelvaro {

class EditorMemory {
public:
    // `file` empty: kelvaro.ini in $XDG_CONFIG_HOME/kelvaro (by default ~/.config/kelvaro).
    explicit EditorMemory(std::filesystem::path file = {}) : file_(std::move(file)) {}

    struct GridSize {
        std::string x, y;
    };
    // Nothing when never kept, or when the file or its value is damaged: the editor then starts
    // as it always has.
    std::optional<GridSize> gridSize() const;
    std::optional<int> tool() const;

    void rememberGridSize(const std::string& x, const std::string& y) const;
    void rememberTool(int code) const;

private:
    std::filesystem::path file_;
};

} // namespace kelvaro

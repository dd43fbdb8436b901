// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the editor's remembered grid size and tool through QSettings.
#include "editor/qt/editor_memory.h"

#include "editor/core/editor_input.h"
#include "editor/core/palette.h"
#include "level/cell_kind.h"

#include <QFile>
#include <QSettings>

#include <memory>

namespace kelvaro {
namespace {

constexpr const char* x_key = "editor/grid_x";
constexpr const char* y_key = "editor/grid_y";
constexpr const char* tool_key = "editor/tool";

std::unique_ptr<QSettings> open(const std::filesystem::path& file)
{
    if (file.empty())
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "kelvaro", "kelvaro");
    return std::make_unique<QSettings>(QFile::decodeName(file.c_str()), QSettings::IniFormat);
}

std::optional<std::string> stored(const QSettings& settings, const char* key)
{
    if (settings.status() != QSettings::NoError || !settings.contains(key))
        return std::nullopt;
    return settings.value(key).toString().toStdString();
}

} // namespace

std::optional<EditorMemory::GridSize> EditorMemory::gridSize() const
{
    const auto settings = open(file_);
    const std::optional<std::string> x = stored(*settings, x_key), y = stored(*settings, y_key);
    // The same rule RESET applies: a size it would refuse is not kept.
    if (!x || !y || !wholeNumberIn(*x, 1, max_index) || !wholeNumberIn(*y, 1, max_index))
        return std::nullopt;
    return GridSize{*x, *y};
}

std::optional<int> EditorMemory::tool() const
{
    const auto settings = open(file_);
    const std::optional<std::string> text = stored(*settings, tool_key);
    const std::optional<int> code = text ? wholeNumberIn(*text, 0, tool_count - 1) : std::nullopt;
    if (!code || !toolPlace(*code))
        return std::nullopt;
    return code;
}

void EditorMemory::rememberGridSize(const std::string& x, const std::string& y) const
{
    const auto settings = open(file_);
    settings->setValue(x_key, QString::fromStdString(x));
    settings->setValue(y_key, QString::fromStdString(y));
}

void EditorMemory::rememberTool(int code) const { open(file_)->setValue(tool_key, code); }

} // namespace kelvaro

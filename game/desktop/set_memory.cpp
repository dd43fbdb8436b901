// SPDX-License-Identifier: GPL-3.0-or-later
// Remembering the current level set through QSettings, ignoring a settings file it cannot use.
#include "game/desktop/set_memory.h"

#include <QFile>
#include <QSettings>

#include <memory>
#include <system_error>

namespace kelvaro {
namespace {

constexpr const char* key = "game/current_set";
constexpr const char* opened_key = "game/opened_folders";
constexpr int most_opened = 20;

// The settings, or nothing where none are kept or the file cannot be used: a file it could
// not read is neither believed nor written over.
std::unique_ptr<QSettings> open(const std::optional<std::filesystem::path>& file)
{
    if (!file)
        return nullptr;
    auto settings = std::make_unique<QSettings>(QFile::decodeName(file->c_str()), QSettings::IniFormat);
    if (settings->status() != QSettings::NoError)
        return nullptr;
    return settings;
}

} // namespace

std::filesystem::path playerSettingsFile()
{
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, "kelvaro", "kelvaro");
    return QFile::encodeName(settings.fileName()).toStdString();
}

std::optional<std::filesystem::path> SetMemory::folder() const
{
    const auto settings = open(file_);
    if (!settings)
        return std::nullopt;
    const QString folder = settings->value(key).toString();
    if (folder.isEmpty())
        return std::nullopt;
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

void SetMemory::remember(const LevelSet& set) const
{
    const auto settings = open(file_);
    if (!settings)
        return;
    settings->setValue(key, set.builtin ? QString() : QFile::decodeName(set.folder.c_str()));
    settings->sync();
}

std::vector<std::filesystem::path> SetMemory::openedFolders() const
{
    std::vector<std::filesystem::path> folders;
    const auto settings = open(file_);
    if (!settings)
        return folders;
    std::error_code ec;
    for (const QString& folder : settings->value(opened_key).toStringList())
        if (std::filesystem::path path(QFile::encodeName(folder).toStdString()); std::filesystem::is_directory(path, ec))
            folders.push_back(path);
    return folders;
}

void SetMemory::rememberOpened(const std::filesystem::path& folder) const
{
    const auto settings = open(file_);
    if (!settings)
        return;
    QStringList folders = settings->value(opened_key).toStringList();
    const QString name = QFile::decodeName(folder.c_str());
    folders.removeAll(name);
    folders.prepend(name);
    settings->setValue(opened_key, folders.mid(0, most_opened));
    settings->sync();
}

LevelSet SetMemory::startSet(const std::filesystem::path& app_dir, const std::optional<std::filesystem::path>& levels_folder) const
{
    if (levels_folder)
        return readLevelSet(*levels_folder);
    std::error_code ec;
    if (const std::optional<std::filesystem::path> remembered = folder(); remembered && std::filesystem::is_directory(*remembered, ec))
        return readLevelSet(*remembered);
    return builtinLevelSet(app_dir);
}

} // namespace kelvaro

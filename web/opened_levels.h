// SPDX-License-Identifier: GPL-3.0-or-later
// Level files the player opens from the device, laid out as a set folder kept in the browser's storage.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// A file handed to the page: its name as the browser gives it ("maze3.txt", or "Folder/maze3.txt"
// when it came with a folder) and its bytes.
struct OpenedFile {
    std::string name;
    std::string bytes;
};

// One level of an opened set: its number in the set, and the name the player knows it by.
struct LaidLevel {
    int number = 0;
    std::string shown;
    std::string bytes;
};

// The opened files as a set: a folder named after what was opened, its levels as mazeN.txt.
struct OpenedSet {
    std::string name;          // the folder's name, safe for any file system
    bool from_folder = false;  // a folder was opened, not loose files
    std::vector<LaidLevel> levels;   // by number
    std::optional<std::string> info;  // a set.txt that came along
};

// The level files among `files` (".txt", set.txt aside; from a folder only those at its top):
// a file named mazeN.txt keeps its number, the others take the free numbers in their names' order,
// up to the most a set holds; one loose file is level 1. The set is named after the folder, or
// after the first file in name order.
OpenedSet layOut(const std::vector<OpenedFile>& files);

// Writes `set` into a folder of its own under `sets`: its name, or "name 2", "name 3"... when
// that is taken by other levels; a folder holding these very files already is used again.
// The folder, or nothing when it could not be written (what was begun is removed).
std::optional<std::filesystem::path> keepSet(const std::filesystem::path& sets, const OpenedSet& set);

// Level `number`'s file in a kept set's folder.
std::filesystem::path levelFile(const std::filesystem::path& folder, int number);

// Whether `a` comes before `b` with their runs of digits compared as numbers ("level2" before "level10").
bool naturalLess(const std::string& a, const std::string& b);

} // namespace kelvaro

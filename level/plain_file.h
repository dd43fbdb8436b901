// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a file of a player's folder for reading without ever waiting on it.
#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace kelvaro {

// A file opened for reading only when it is a plain file. A named pipe or a device put where
// a level or set.txt should be would hold an ordinary open, or the reads after it, forever; so
// it is opened without waiting, and what was opened (not what the name leads to by then) is
// checked to be a plain file.
class PlainFile {
public:
    explicit PlainFile(const std::filesystem::path& file);
    ~PlainFile();
    PlainFile(const PlainFile&) = delete;
    PlainFile& operator=(const PlainFile&) = delete;

    // False when it could not be opened (see error()) or is no plain file.
    bool ok() const { return plain_; }
    bool opened() const { return fd_ >= 0; }
    // The errno of a failed open.
    int error() const { return error_; }

    // The first `most` bytes of the file, or all of it when it has fewer; nothing on a read error.
    std::optional<std::string> read(std::size_t most) const;
    // Opens `in` on this very file, for readers that take a stream.
    void openStream(std::ifstream& in) const;

private:
    std::filesystem::path file_;
    int fd_ = -1;
    int error_ = 0;
    bool plain_ = false;
};

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// PlainFile: a non-blocking open, checked on the descriptor.
#include "level/plain_file.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvaro {
namespace fs = std::filesystem;

PlainFile::PlainFile(const fs::path& file) : file_(file)
{
    // Without waiting: opening a named pipe for reading would otherwise wait for a writer.
    fd_ = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    struct stat opened {};
    plain_ = ::fstat(fd_, &opened) == 0 && S_ISREG(opened.st_mode);
}

PlainFile::~PlainFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::optional<std::string> PlainFile::read(std::size_t most) const
{
    if (!plain_)
        return std::nullopt;
    std::string text(most, '\0');
    std::size_t got = 0;
    while (got < most) {
        const ssize_t done = ::pread(fd_, text.data() + got, most - got, static_cast<off_t>(got));
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            return std::nullopt;
        if (done == 0)
            break;
        got += static_cast<std::size_t>(done);
    }
    text.resize(got);
    return text;
}

void PlainFile::openStream(std::ifstream& in) const
{
    if (!plain_)
        return;
    // Through the open descriptor the stream reaches the file checked here, even if the name
    // has been given to a named pipe since; a system without /proc/self/fd has only the name.
    const fs::path self = "/proc/self/fd/" + std::to_string(fd_);
    std::error_code ec;
    in.open(fs::exists(self, ec) ? self : file_, std::ios::binary);
}

} // namespace kelvaro

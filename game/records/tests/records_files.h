// SPDX-License-Identifier: GPL-3.0-or-later
// Files for the records tests: a fresh folder per test, whole files read and written, levels' keys.
#pragma once

#include "level/message.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace kelvaro {

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
struct TempDir {
    fs::path path = fs::temp_directory_path() /
                    ("kelvaro-records-" + std::to_string(getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
};

inline std::string slurp(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// What a file of the player's says, in English.
inline std::optional<std::string> inEnglish(const std::optional<Message>& said)
{
    return said ? std::optional<std::string>(english(*said)) : std::nullopt;
}

// A level's key as levelDigest gives it: 16 hexadecimal digits.
inline std::string key(int n)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016x", n);
    return text;
}

inline void spit(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }


} // namespace kelvaro

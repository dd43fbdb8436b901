// SPDX-License-Identifier: GPL-3.0-or-later
// Files for the records tests: a fresh folder per test, and whole files read and written.
#pragma once

#include <gtest/gtest.h>

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

inline void spit(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }


} // namespace kelvaro

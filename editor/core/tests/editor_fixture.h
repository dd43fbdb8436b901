// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh editor beside its own program folder, for the editor's core tests.
#pragma once

#include "editor/core/editor_state.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace kelvaro::testing {

namespace fs = std::filesystem;

inline std::string slurp(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void spill(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

inline long entries(const fs::path& dir)
{
    return std::distance(fs::directory_iterator(dir), fs::directory_iterator());
}

// One value per line, each ended by CR LF, as a level file holds them.
inline std::string lines(const std::vector<std::string>& values)
{
    std::string out;
    for (const auto& v : values)
        out += v + "\r\n";
    return out;
}

// Started as kel_edit would be, with a "maps" folder beside the program.
class EditorTest : public ::testing::Test {
protected:
    EditorTest()
        : program(fs::temp_directory_path() /
                  ("kel-edit-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name())),
          maps(program / "maps"), state(program)
    {
        fs::remove_all(program);
        fs::create_directories(maps);
        state.formLoad();
    }
    ~EditorTest() override { fs::remove_all(program); }

    // Cell (x, y) in canvas pixels: its top-left corner plus a few pixels.
    static int px(int cell) { return cell * 32 + 5; }

    void press(int cx, int cy) { state.mouseDown(px(cx), px(cy)); }
    void use(int tool, int cx, int cy)
    {
        state.selectTool(tool);
        press(cx, cy);
    }

    fs::path program;
    fs::path maps;
    EditorState state;
};

} // namespace kelvaro::testing

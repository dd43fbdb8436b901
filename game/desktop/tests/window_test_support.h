// SPDX-License-Identifier: GPL-3.0-or-later
// What the Qt tests of the game's window share: levels drawn in characters, and finding widgets.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kelvaro {

// Writes a level drawn in characters ('#' border, '.' blank, 'o' crate, '*' jewel, 'G' goal, 'S' start).
inline void writeLevel(const std::filesystem::path& file, const std::vector<std::string>& rows, int time)
{
    int marks[6] = {};
    for (int y = 0; y < int(rows.size()); ++y)
        for (int x = 0; x < int(rows[y].size()); ++x) {
            const char c = rows[y][x];
            const int slot = c == '*' ? 0 : c == 'G' ? 2 : c == 'S' ? 4 : -1;
            if (slot >= 0) {
                marks[slot] = x;
                marks[slot + 1] = y;
            }
        }
    std::ofstream out(file, std::ios::binary);
    out << rows[0].size() - 1 << "\r\n" << rows.size() - 1 << "\r\n";
    for (int m : marks)
        out << m << "\r\n";
    out << time << "\r\n";
    for (std::size_t x = 0; x < rows[0].size(); ++x)
        for (const auto& row : rows)
            out << (row[x] == '#' ? 1 : row[x] == 'o' ? 4 : 0) << "\r\n";
}

// Moves the fake clock `now` on by `ms`, 5 ms at a time, letting `window` run whatever falls due.
template <typename Window>
void runWindow(Window& window, std::uint32_t& now, int ms)
{
    for (int t = 0; t < ms; t += 5) {
        now += 5;
        window.tick();
    }
}

inline QLabel* labelWithText(QWidget* window, const QString& prefix)
{
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->text().startsWith(prefix))
            return label;
    return nullptr;
}

inline QPushButton* button(QWidget* window, const QString& caption)
{
    for (QPushButton* b : window->findChildren<QPushButton*>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

} // namespace kelvaro

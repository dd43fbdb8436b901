// SPDX-License-Identifier: GPL-3.0-or-later
// Test doubles for the engine: a hand-driven clock, held keys, a sound recorder, drawn levels and coded images.
#pragma once

#include "game/engine/engine.h"
#include "level/cell_kind.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace kelvaro {

// A tick count that moves only when a test moves it.
struct FakeClock {
    std::uint32_t now = 1000;
    TickSource source() { return [this] { return now; }; }
};

class FakeKeys : public KeyState {
public:
    bool down(Key key) const override { return held_[static_cast<int>(key)]; }
    void hold(const std::vector<Key>& keys)
    {
        for (Key key : keys)
            held_[static_cast<int>(key)] = true;
    }
    void release(Key key) { held_[static_cast<int>(key)] = false; }
    void releaseAll() { std::fill(std::begin(held_), std::end(held_), false); }

private:
    bool held_[5] = {};
};

// The keys by their first letters, as the tests write key sequences.
inline constexpr Key L = Key::left, R = Key::right, U = Key::up, D = Key::down, C = Key::ctrl;

// Records every request as a word: "ready", "moving", ... for one-shots, "music", "stop", "rewind".
class SoundRecorder : public SoundPort {
public:
    std::vector<std::string> log;

    void playOnce(Sound sound) override
    {
        static const char* const names[] = {"win", "lose", "ready", "moving", "hurryup", "sfyrixtra", "music"};
        log.push_back(names[static_cast<int>(sound)]);
    }
    void playMusicLooping() override { log.push_back("music"); }
    void stopMusic() override { log.push_back("stop"); }
    void rewindMusic() override { log.push_back("rewind"); }

    long count(const std::string& word) const { return std::count(log.begin(), log.end(), word); }
};

// A level drawn row by row, the whole grid: '#' border, '.' blank, 'o' obstacle, '*' jewel,
// 'G' goal, '!' the jewel already on the goal, '@' the start, 'J' a second jewel cell,
// '5' to '9' cells of those codes.
inline GameLevel levelFrom(const std::vector<std::string>& rows, std::int16_t time = 75)
{
    GameLevel level;
    level.maze = Grid<std::uint8_t>(static_cast<int>(rows.front().size()) - 1, static_cast<int>(rows.size()) - 1);
    level.timeleft = time;
    for (int y = 0; y <= level.maze.maxy(); ++y) {
        for (int x = 0; x <= level.maze.maxx(); ++x) {
            const char c = rows[static_cast<std::size_t>(y)].at(static_cast<std::size_t>(x));
            const auto bx = static_cast<std::uint8_t>(x), by = static_cast<std::uint8_t>(y);
            if (c == '*' || c == '!')
                level.jewelx = bx, level.jewely = by;
            if (c == 'G' || c == '!')
                level.goalx = bx, level.goaly = by;
            if (c == '@')
                level.playerx = bx, level.playery = by;
            const std::string codes = ".#G*o";
            std::uint8_t code = c >= '5' && c <= '9' ? static_cast<std::uint8_t>(c - '0') : std::uint8_t{blank};
            if (codes.find(c) != std::string::npos)
                code = static_cast<std::uint8_t>(codes.find(c));
            if (c == 'J' || c == '*')
                code = jewel;
            if (c == '!')
                code = goal;
            level.maze.at(x, y) = code;
        }
    }
    return level;
}

// A level of the given highest indices with the usual double frame of border.
inline GameLevel framedLevel(int maxx, int maxy, std::int16_t time = 75)
{
    std::vector<std::string> rows;
    for (int y = 0; y <= maxy; ++y) {
        std::string row;
        for (int x = 0; x <= maxx; ++x)
            row += (x < 2 || y < 2 || x > maxx - 2 || y > maxy - 2) ? '#' : '.';
        rows.push_back(row);
    }
    rows[2][2] = '@';
    rows[2][3] = '*';
    rows[static_cast<std::size_t>(maxy - 2)][static_cast<std::size_t>(maxx - 2)] = 'G';
    return levelFrom(rows, time);
}

// The grid as drawn by levelFrom, with '@' where the player stands.
inline std::vector<std::string> drawing(const Engine& engine)
{
    std::vector<std::string> rows;
    for (int y = 0; y <= engine.maxy(); ++y) {
        std::string row;
        for (int x = 0; x <= engine.maxx(); ++x) {
            const std::uint8_t code = engine.maze().at(x, y);
            row += code < 10 ? ".#G*o56789"[code] : '?';
        }
        rows.push_back(row);
    }
    rows[engine.playery()][engine.playerx()] = '@';
    return rows;
}

// Levels by number; any other number is a missing file.
class FakeLevels {
public:
    std::map<int, Result<GameLevel>> files;
    std::vector<int> requested;
    int loaded = 0;  // successful reads: each one begins a new run
    int last = -1;   // the number last read successfully

    void add(int number, GameLevel level) { files.insert_or_assign(number, std::move(level)); }
    void damage(int number, LevelError error) { files.insert_or_assign(number, std::move(error)); }

    LevelLoader loader()
    {
        return [this](int number) -> Result<GameLevel> {
            requested.push_back(number);
            const auto file = files.find(number);
            if (file == files.end())
                return LevelError{LevelError::Kind::not_found, 0, plainText("no such file")};
            if (file->second.ok()) {
                ++loaded;
                last = number;
            }
            return file->second;
        };
    }
};

// Every picture a solid colour of its own, every frame of a strip too, so a pixel tells what landed where.
namespace colour {
inline constexpr Pixel border = 0xff101010, jewel = 0xff202020, goal = 0xff303030, blank = 0xff404040,
                       obstacle = 0xff505050, ready = 0xff606060;
inline constexpr Pixel strip(int playerdir, int frame) { return 0xff800000u + 0x100u * playerdir + frame; }
} // namespace colour

inline Images codedImages()
{
    Images images;
    images.wall = Surface(32, 32, colour::border);
    images.jewel = Surface(32, 32, colour::jewel);
    images.goal = Surface(32, 32, colour::goal);
    images.blank = Surface(32, 32, colour::blank);
    images.crate = Surface(32, 32, colour::obstacle);
    images.readyTile = Surface(32, 32, colour::ready);
    Surface* strips[] = {&images.playerRight, &images.playerLeft, &images.playerUp, &images.playerDown};
    for (int dir = 0; dir < 4; ++dir) {
        strips[dir]->reset(512, 32);
        for (int frame = 0; frame < 16; ++frame)
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    strips[dir]->at(32 * frame + x, y) = colour::strip(dir, frame);
    }
    images.sadPicture = Surface(112, 157, 0xff707070);
    images.titlePicture = Surface(100, 150, 0xff717171);
    return images;
}

// Whether a 32 x 32 picture of one colour lies exactly with its top-left corner at (x, y).
inline bool drawnAt(const Surface& s, Pixel c, int x, int y)
{
    auto is = [&](int px, int py) {
        return px >= 0 && py >= 0 && px < s.width() && py < s.height() && s.at(px, py) == c;
    };
    return is(x, y) && is(x + 31, y + 31) && !is(x - 1, y) && !is(x + 32, y + 31);
}

// The colour at the centre of cell (x, y).
inline Pixel cellColour(const Surface& s, int x, int y) { return s.at(32 * x + 16, 32 * y + 16); }

// Drives `driven` as the shell does: advance() at every due moment up to `ms` from now, then
// once at the end. False when it never settles.
template <typename Driven>
bool runFor(Driven& driven, FakeClock& clock, std::uint32_t ms)
{
    const std::uint32_t end = clock.now + ms;
    for (int guard = 0; guard < 1'000'000; ++guard) {
        const std::optional<std::uint32_t> due = driven.nextDue();
        if (!due || static_cast<std::int32_t>(*due - end) > 0) {
            clock.now = end;
            driven.advance();
            return true;
        }
        if (static_cast<std::int32_t>(*due - clock.now) > 0)
            clock.now = *due;
        driven.advance();
    }
    return false;
}

// An engine on the fakes, for tests that need no window handlers.
struct EngineRig {
    explicit EngineRig(std::uint32_t start = 1000) { clock.now = start; }

    FakeClock clock;
    FakeKeys keys;
    SoundRecorder sound;
    FakeLevels levels;
    Images images = codedImages();
    Controls controls;
    Engine engine{controls, images, sound, keys, clock.source(), levels.loader()};

    void start(GameLevel level, int number = 1)
    {
        levels.add(number, std::move(level));
        engine.startlevel(number);
        engine.advance();
    }
    bool run(std::uint32_t ms) { return runFor(engine, clock, ms); }
    bool inSpiral() const
    {
        const Engine::Phase p = engine.phase();
        return p == Engine::Phase::spiral_ring || p == Engine::Phase::spiral_gap || p == Engine::Phase::spiral_wait;
    }
    // Through the start effect to the moment the play loop begins (and may already have ended).
    bool toPlay()
    {
        for (int guard = 0; guard < 100000 && inSpiral(); ++guard) {
            const std::optional<std::uint32_t> due = engine.nextDue();
            if (!due)
                return false;
            if (static_cast<std::int32_t>(*due - clock.now) > 0)
                clock.now = *due;
            engine.advance();
        }
        return !inSpiral();
    }
    // The countdown ticked until the time is up.
    void timeRunsOut()
    {
        while (!engine.timeup())
            engine.tickCountdown();
    }
    // One step with `held` down, then its animation to the end with every key up.
    void act(const std::vector<Key>& held)
    {
        keys.hold(held);
        run(25);
        keys.releaseAll();
        run(300);
    }
};

} // namespace kelvaro

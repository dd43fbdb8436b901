// SPDX-License-Identifier: GPL-3.0-or-later
// The state of the main window's controls that the engine and the handlers act on; the Qt window mirrors it.
#pragma once

#include "game/engine/surface.h"
#include "level/message.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace kelvaro {

struct Rect {
    double left;
    double top;
    int width;
    int height;
    bool operator==(const Rect&) const = default;
};

// A rectangle of whole pixels on the window's surface.
struct Area {
    int x;
    int y;
    int width;
    int height;
    bool operator==(const Area&) const = default;
};

// A field of a control that counts the times it took a new value, so that the view redoes a
// control only when its count moved rather than comparing copies after every step. It reads
// and is assigned as the value itself.
template <typename T>
class Watched {
public:
    Watched() = default;
    template <typename U>
        requires(!std::is_same_v<std::remove_cvref_t<U>, Watched>)
    Watched(U&& value) : value_(std::forward<U>(value)) {}
    Watched(const Watched& other) : value_(other.value_) {}
    Watched& operator=(const Watched& other) { return *this = other.value_; }
    template <typename U>
        requires(!std::is_same_v<std::remove_cvref_t<U>, Watched>)
    Watched& operator=(U&& value)
    {
        if (!(value_ == value)) {
            value_ = std::forward<U>(value);
            ++changes_;
        }
        return *this;
    }

    operator const T&() const { return value_; }
    const T& get() const { return value_; }
    std::uint32_t changes() const { return changes_; }

    friend bool operator==(const Watched& a, const Watched& b) { return a.value_ == b.value_; }
    template <typename U>
        requires(!std::is_same_v<U, Watched>)
    friend bool operator==(const Watched& a, const U& b) { return a.value_ == b; }
    friend std::ostream& operator<<(std::ostream& out, const Watched& w) { return out << w.value_; }

private:
    T value_{};
    std::uint32_t changes_ = 0;
};

// Each control's changes() moves whenever anything shown of it changes: its watched fields,
// and its place, which only the engine sets, counting each placing.
struct LabelControl {
    Watched<Message> caption;
    Rect place;
    Watched<bool> visible;
    Watched<Pixel> colour;  // text colour
    double font_points;     // all bold: 13.5 for the window's own font, 24 for banners, 12 for the hint
    std::uint32_t placings = 0;
    std::uint32_t changes() const { return caption.changes() + visible.changes() + colour.changes() + placings; }
    bool operator==(const LabelControl&) const = default;
};

struct ButtonControl {
    Watched<Message> caption;
    Rect place;
    Watched<bool> visible = false;
    std::uint32_t placings = 0;
    std::uint32_t changes() const { return caption.changes() + visible.changes() + placings; }
    bool operator==(const ButtonControl&) const = default;
};

struct PictureControl {
    Rect place;
    Watched<bool> visible;
    std::uint32_t placings = 0;
    std::uint32_t changes() const { return visible.changes() + placings; }
    bool operator==(const PictureControl&) const = default;
};

struct MenuItem {
    Watched<bool> enabled = true;
    Watched<bool> checked = false;
    std::uint32_t changes() const { return enabled.changes() + checked.changes(); }
    bool operator==(const MenuItem&) const = default;
};

// A window timer: enabling a disabled timer starts its interval afresh, as the platform's did.
struct TimerControl {
    std::uint32_t interval;
    bool enabled = false;
    std::uint32_t due = 0;

    void enable(std::uint32_t now)
    {
        if (!enabled)
            due = now + interval;
        enabled = true;
    }
    void disable() { enabled = false; }
};

// Two cells outlined over the playfield: the object to push next and the cell to push it
// from. Drawn by the view on top of the window's surface, so no buffer is disturbed.
struct HintOutline {
    bool visible = false;
    int objectx = 0, objecty = 0;
    int sidex = 0, sidey = 0;
    bool operator==(const HintOutline&) const = default;
};

// A crate or the jewel picked by a click, and the cells it can be pushed to: drawn by the
// view over the playfield, as the hint is.
struct PushMarks {
    bool visible = false;
    int objectx = 0, objecty = 0;
    std::vector<std::pair<int, int>> targets;
    bool operator==(const PushMarks&) const = default;
};

enum class Focus { none, nextButton, abortButton, retryButton };

// The captions the engine writes, in the game window's words; the window lists them for its shell.
namespace engine_words {
inline constexpr const char* context = "GameWindow";
inline constexpr const char* level = QT_TRANSLATE_NOOP("GameWindow", "LEVEL :");
inline constexpr const char* time = QT_TRANSLATE_NOOP("GameWindow", "TIME :");
inline constexpr const char* level_n = QT_TRANSLATE_NOOP("GameWindow", "LEVEL : %1");
inline constexpr const char* time_n = QT_TRANSLATE_NOOP("GameWindow", "TIME : %1");
inline constexpr const char* game_over = QT_TRANSLATE_NOOP("GameWindow", "GAME OVER");
inline constexpr const char* paused = QT_TRANSLATE_NOOP("GameWindow", "GAME PAUSED");
inline constexpr const char* winner = QT_TRANSLATE_NOOP("GameWindow", "WINNER!");
inline constexpr const char* waiting = QT_TRANSLATE_NOOP("GameWindow", "Waiting to play ...");
inline constexpr const char* pause_hint = QT_TRANSLATE_NOOP("GameWindow", "P = PAUSE");
inline constexpr const char* next = QT_TRANSLATE_NOOP("GameWindow", "Next");
inline constexpr const char* abort = QT_TRANSLATE_NOOP("GameWindow", "Abort");
inline constexpr const char* retry = QT_TRANSLATE_NOOP("GameWindow", "Retry");
} // namespace engine_words

// A text of the game window, its places filled by `args`: the words above, and the middle's.
inline Message gameMessage(const char* source, std::vector<MessageArg> args = {})
{
    return phrase(engine_words::context, source, std::move(args));
}
// The read-outs' captions, worded here only: "LEVEL : 4", or "LEVEL :" while no level is numbered.
inline Message levelCaption(std::optional<int> number = std::nullopt)
{
    return number ? gameMessage(engine_words::level_n, {*number}) : gameMessage(engine_words::level);
}
inline Message timeCaption(std::optional<int> seconds = std::nullopt)
{
    return seconds ? gameMessage(engine_words::time_n, {*seconds}) : gameMessage(engine_words::time);
}

inline constexpr Pixel green = 0xff00ff00;
inline constexpr Pixel red = 0xffff0000;

struct Controls {
    static constexpr int client_width = 737;
    static constexpr int client_height = 534;

    LabelControl levelLabel{levelCaption(), {568, 24, 129, 25}, true, green, 13.5};
    LabelControl timeLabel{timeCaption(), {568, 64, 121, 25}, true, green, 13.5};
    LabelControl gameOverLabel{gameMessage(engine_words::game_over), {560, 352, 206, 40}, false, red, 24};
    LabelControl pausedLabel{gameMessage(engine_words::paused), {568, 104, 169, 25}, false, red, 13.5};
    LabelControl winnerLabel{gameMessage(engine_words::winner), {568, 320, 150, 40}, false, green, 24};
    LabelControl bannerLabel{gameMessage(engine_words::waiting), {104, 152, 169, 25}, true, green, 13.5};
    LabelControl pauseHintLabel{gameMessage(engine_words::pause_hint), {640, 504, 97, 25}, true, green, 12};
    // A red dot just after the TIME read-out: the level can no longer be won from here.
    LabelControl lostMarkLabel{plainText("\u25cf"), {692, 64, 20, 25}, false, red, 13.5};
    HintOutline hintOutline;
    PushMarks pushMarks;
    ButtonControl nextButton{gameMessage(engine_words::next), {96, 424, 97, 41}};
    ButtonControl abortButton{gameMessage(engine_words::abort), {216, 424, 97, 41}};
    ButtonControl retryButton{gameMessage(engine_words::retry), {328, 424, 97, 41}};
    PictureControl titlePicture{{568, 152, 104, 154}, true};
    PictureControl sadPicture{{672, 152, 116, 161}, false};
    TimerControl bannerTimer{100};
    TimerControl countdownTimer{1000};

    MenuItem newGameItem;
    MenuItem endGameItem;
    MenuItem restartLevelItem;
    MenuItem exitItem;
    MenuItem soundItem{true, true};
    MenuItem helpItem;
    MenuItem aboutItem;

    Focus focus = Focus::none;

    // Moves whenever a menu item's enabled or checked state changes.
    std::uint32_t menuChanges() const
    {
        return newGameItem.changes() + endGameItem.changes() + restartLevelItem.changes() + exitItem.changes() +
               soundItem.changes() + helpItem.changes() + aboutItem.changes();
    }

    // The window's own drawing surface: the playfield is copied here.
    Surface windowSurface{client_width, client_height};
    // Raised whenever windowSurface changes.
    std::uint64_t windowSurfaceVersion = 0;
    // The parts of windowSurface drawn since the view last showed them: whoever draws says
    // where, and the view repaints just these and empties the list.
    std::vector<Area> drawn;

    void markDrawn(Area area)
    {
        // Unshown for long (no view, or none repainting), the list stays short: all is drawn.
        if (drawn.size() < 32)
            drawn.push_back(area);
        else
            drawn.assign(1, Area{0, 0, client_width, client_height});
        ++windowSurfaceVersion;
    }
    void clearWindowSurface()
    {
        windowSurface.fill(black);
        drawn.assign(1, Area{0, 0, client_width, client_height});
        ++windowSurfaceVersion;
    }
};

} // namespace kelvaro

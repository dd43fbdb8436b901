// The state of the main window's controls that the engine and the handlers act on; the Qt window mirrors it.
#pragma once

#include "surface.h"

#include <cstdint>
#include <string>

namespace kelvaro {

struct Rect {
    double left;
    double top;
    int width;
    int height;
    bool operator==(const Rect&) const = default;
};

struct LabelControl {
    std::string caption;
    Rect place;
    bool visible;
    Pixel colour;         // text colour
    double font_points;   // all bold: 13.5 for the window's own font, 24 for banners, 12 for the hint
    bool operator==(const LabelControl&) const = default;
};

struct ButtonControl {
    std::string caption;
    Rect place;
    bool visible = false;
    bool operator==(const ButtonControl&) const = default;
};

struct PictureControl {
    Rect place;
    bool visible;
    bool operator==(const PictureControl&) const = default;
};

struct MenuItem {
    bool enabled = true;
    bool checked = false;
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

enum class Focus { none, command1, command2, command3 };

inline constexpr Pixel green = 0xff00ff00;
inline constexpr Pixel red = 0xffff0000;

struct Controls {
    static constexpr int client_width = 737;
    static constexpr int client_height = 534;

    LabelControl label1{"LEVEL :", {568, 24, 129, 25}, true, green, 13.5};
    LabelControl label2{"TIME :", {568, 64, 121, 25}, true, green, 13.5};
    LabelControl label3{"GAME OVER", {560, 352, 206, 40}, false, red, 24};
    LabelControl label4{"GAME PAUSED", {568, 104, 169, 25}, false, red, 13.5};
    LabelControl label5{"WINNER!", {568, 320, 150, 40}, false, green, 24};
    LabelControl label6{"Waiting to play ...", {104, 152, 169, 25}, true, green, 13.5};
    LabelControl label7{"P = PAUSE", {640, 504, 97, 25}, true, green, 12};
    ButtonControl command1{"Next", {96, 424, 97, 41}};
    ButtonControl command2{"Abort", {216, 424, 97, 41}};
    ButtonControl command3{"Retry", {328, 424, 97, 41}};
    PictureControl picture11{{568, 152, 104, 154}, true};
    PictureControl picture12{{672, 152, 116, 161}, false};
    TimerControl timer1{100};
    TimerControl timer2{1000};

    MenuItem m_ngame;
    MenuItem m_endgame;
    MenuItem m_rlevel;
    MenuItem m_exit;
    MenuItem m_sound{true, true};
    MenuItem m_ghelp;
    MenuItem m_about;

    Focus focus = Focus::none;

    // The window's own drawing surface: the playfield is copied here.
    Surface form1{client_width, client_height};
    // Raised whenever form1 changes, so the view repaints only then.
    std::uint64_t form1_version = 0;

    void clearForm1()
    {
        form1.fill(black);
        ++form1_version;
    }
};

} // namespace kelvaro

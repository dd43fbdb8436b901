// The main window's handlers, pause key and timers.
#include "form1.h"

#include <charconv>
#include <cmath>

namespace kelvaro {
namespace {

const std::string kSure = "Are you sure?";

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::optional<double> numericAnswer(const std::string& answer)
{
    std::string text = trimmed(answer);
    if (!text.empty() && text[0] == '+')
        text.erase(0, 1);
    if (text.empty() || text.find_first_not_of("-0123456789.") != std::string::npos)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

Form1::Form1(const Images& images, Ports ports)
    : engine(controls, images, ports.sound, ports.keys, ports.ticks, ports.loader), ports_(std::move(ports))
{
}

template <typename Open>
void Form1::modal(Open open)
{
    engine.suspend();
    open([this] { engine.resume(); });
}

// ---------------------------------------------------------------- driving

// Held back while the start effect draws a ring, or while a modal box is open.
bool Form1::holding() const { return !engine.acceptsEvents() || engine.suspended(); }

void Form1::post(Command command)
{
    if (holding()) {
        held_.push_back({command, 0});
        return;
    }
    dispatch({command, 0});
}

void Form1::Form_KeyPress(char key)
{
    if (holding()) {
        held_.push_back({std::nullopt, key});
        return;
    }
    dispatch({std::nullopt, key});
}

void Form1::dispatch(const Held& event)
{
    handle(event);
    engine.advance();  // the loop's pass after its yield
}

void Form1::handle(const Held& event)
{
    using Handler = void (Form1::*)();
    static constexpr Handler handlers[] = {
        &Form1::m_ngame_Click, &Form1::m_endgame_Click, &Form1::m_rlevel_Click, &Form1::m_exit_Click,
        &Form1::m_sound_Click, &Form1::m_ghelp_Click,   &Form1::m_about_Click,  &Form1::Command1_Click,
        &Form1::Command2_Click, &Form1::Command3_Click,
    };
    if (event.command) {
        // A command whose menu item is disabled never reaches its handler, as with the real menu.
        const MenuItem* item = nullptr;
        if (*event.command == Command::m_endgame)
            item = &controls.m_endgame;
        if (*event.command == Command::m_rlevel)
            item = &controls.m_rlevel;
        if (!item || item->enabled)
            (this->*handlers[static_cast<int>(*event.command)])();
    } else {
        // The pause key, applied for every character key.
        if (engine.playing && !engine.timeup) {
            if (event.key == 'P' || event.key == 'p')
                ++engine.paused;
            if (engine.paused == 2)
                engine.paused = 0;
            if (engine.paused == 1) {
                controls.label4.visible = true;
                controls.clearForm1();
                controls.timer2.disable();
            } else {
                controls.label4.visible = false;
                controls.timer2.enable(ports_.ticks());
            }
        }
    }
}

// Every event that waited is handled in this one yield before the run goes on: a pass per
// event would start the start effect's next ring after the first and hold the rest back.
void Form1::flushHeld()
{
    bool handled = false;
    while (!held_.empty() && !holding()) {
        Held event = held_.front();
        held_.pop_front();
        handle(event);
        handled = true;
    }
    if (handled)
        engine.advance();  // the loop's pass after its yield
}

void Form1::fireTimers()
{
    const std::uint32_t now = ports_.ticks();
    struct Entry {
        TimerControl& timer;
        void (Form1::*tick)();
    };
    for (Entry entry : {Entry{controls.timer1, &Form1::Timer1_Timer}, Entry{controls.timer2, &Form1::Timer2_Timer}}) {
        if (!entry.timer.enabled || elapsed(now, entry.timer.due) >= 0x80000000u)
            continue;
        entry.timer.due += entry.timer.interval;
        if (elapsed(now, entry.timer.due) < 0x80000000u)  // fell behind: no burst of ticks
            entry.timer.due = now + entry.timer.interval;
        (this->*entry.tick)();
        engine.advance();
    }
}

void Form1::advance()
{
    if (engine.acceptsEvents()) {
        fireTimers();
        flushHeld();
    }
    engine.advance();
    if (engine.acceptsEvents())
        flushHeld();
}

std::optional<std::uint32_t> Form1::nextDue() const
{
    std::optional<std::uint32_t> due = engine.nextDue();
    if (!engine.acceptsEvents())
        return due;
    const std::uint32_t now = ports_.ticks();
    auto consider = [&](std::uint32_t when) {
        // Compare as distances from now, so the wrap-around of the count does not matter.
        if (!due || static_cast<std::int32_t>(when - now) < static_cast<std::int32_t>(*due - now))
            due = when;
    };
    for (const TimerControl* timer : {&controls.timer1, &controls.timer2})
        if (timer->enabled)
            consider(timer->due);
    if (!held_.empty() && !holding())
        consider(now);
    return due;
}

// ---------------------------------------------------------------- start-up and common steps

void Form1::Form_Load()
{
    controls.m_endgame.enabled = false;
    controls.m_rlevel.enabled = false;
    if (const std::optional<std::string> failure = ports_.initsound()) {
        modal([&](auto closed) {
            ports_.dialogs.message(*failure, [this, closed] {
                closed();
                ports_.quit();
            });
        });
        return;
    }
    engine.stopgame();
}

void Form1::enterPause()
{
    engine.paused = 1;
    controls.label4.visible = true;
    controls.clearForm1();
    controls.timer2.disable();
}

void Form1::resetReadouts()
{
    controls.label2.caption = "TIME :";
    controls.label1.caption = "LEVEL :";
}

void Form1::stopMusic() { engine.stopMusicAndRewind(); }

void Form1::startlevel(int number)
{
    const std::optional<LevelError> error = engine.startlevel(number);
    if (!error)
        return;
    std::string text = "Level file not found !";
    if (error->kind != LevelError::Kind::not_found)
        text = "Level " + std::to_string(number) + " cannot be played.\n\nThe level file " +
               ports_.level_file_name(number) + " is damaged:\n" + error->describe() + ".";
    modal([&](auto closed) {
        ports_.dialogs.message(text, [this, closed] {
            closed();
            stopMusic();
            engine.stopgame();
        });
    });
}

// ---------------------------------------------------------------- the menus and buttons

void Form1::m_ngame_Click()
{
    if (engine.playing)
        enterPause();
    askLevel();
}

void Form1::askLevel()
{
    modal([this](auto closed) {
        ports_.dialogs.inputBox("Enter the level number (1-50)", "Level selection",
                                [this, closed](const std::string& answer) {
                                    closed();
                                    if (answer.empty())
                                        return;
                                    const std::optional<double> value = numericAnswer(answer);
                                    if (!value || *value <= 0 || *value >= 51) {
                                        askLevel();
                                        return;
                                    }
                                    controls.timer1.disable();
                                    engine.level = static_cast<std::uint8_t>(std::floor(*value));
                                    startlevel(engine.level);
                                });
    });
}

void Form1::ifSure(const char* title, std::function<void()> then)
{
    modal([this, title, then = std::move(then)](auto closed) {
        ports_.dialogs.confirm(kSure, title, [closed, then](bool yes) {
            closed();
            if (yes)
                then();
        });
    });
}

void Form1::m_endgame_Click()
{
    ifSure("Exit current game", [this] {
        stopMusic();
        controls.label6.visible = true;
        controls.timer2.disable();
        resetReadouts();
        engine.stopgame();
    });
}

void Form1::m_rlevel_Click()
{
    ifSure("Restart level ", [this] {
        controls.timer2.disable();
        startlevel(engine.level);
    });
}

void Form1::m_exit_Click()
{
    ifSure("Exit Kelvaro", [this] { ports_.quit(); });
}

void Form1::m_sound_Click()
{
    if (controls.m_sound.checked) {
        controls.m_sound.checked = false;
        ports_.sound.stopMusic();
        ports_.sound.rewindMusic();
    } else {
        controls.m_sound.checked = true;
        ports_.sound.rewindMusic();
        ports_.sound.playMusicLooping();
    }
}

void Form1::m_ghelp_Click()
{
    if (engine.playing)
        enterPause();
    modal([this](auto closed) { ports_.dialogs.showHelp([closed] { closed(); }); });
}

void Form1::m_about_Click()
{
    if (engine.playing)
        enterPause();
    modal([this](auto closed) { ports_.dialogs.showAbout([closed] { closed(); }); });
}

void Form1::Command1_Click()
{
    if (engine.level >= 50)
        return;
    ++engine.level;
    controls.command1.visible = false;
    controls.command2.visible = false;
    resetReadouts();
    startlevel(engine.level);
}

void Form1::Command2_Click()
{
    ifSure("Exit current game", [this] {
        stopMusic();
        controls.label5.visible = false;
        controls.command1.visible = false;
        controls.command2.visible = false;
        controls.command3.visible = false;
        resetReadouts();
        controls.label6.visible = true;
        controls.label3.visible = false;
        controls.picture12.visible = false;
        engine.stopgame();
    });
}

void Form1::Command3_Click()
{
    controls.label3.visible = false;
    controls.picture12.visible = false;
    controls.command2.visible = false;
    controls.command3.visible = false;
    startlevel(engine.level);
}

// ---------------------------------------------------------------- timers

void Form1::Timer1_Timer()
{
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const int red_part = static_cast<int>(uniform(random_) * 255);
    const int green_part = static_cast<int>(uniform(random_) * 255);
    const int blue_part = static_cast<int>(uniform(random_) * 255);
    controls.label6.colour = 0xff000000u | static_cast<Pixel>(red_part << 16 | green_part << 8 | blue_part);
}

void Form1::Timer2_Timer()
{
    // Counted in a wider integer: a limit of -32768 ends at the first tick like any negative one.
    const int left = engine.timeleft - 1;
    if (left == 10)
        engine.playOnce(Sound::hurryup);
    controls.label2.caption = "TIME : " + std::to_string(left);
    if (left < 1) {
        engine.timeleft = 0;
        engine.timeup = true;
        controls.timer2.disable();
    } else {
        engine.timeleft = static_cast<std::int16_t>(left);
    }
}

} // namespace kelvaro

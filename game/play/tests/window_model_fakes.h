// SPDX-License-Identifier: GPL-3.0-or-later
// Test doubles for the main window: boxes that stay open until the test answers them, and GameWindowModel on the fakes.
#pragma once

#include "game/engine/tests/engine_fakes.h"

#include "game/play/game_window_model.h"

#include <optional>
#include <sstream>

#include <unistd.h>

namespace kelvaro {

class FakeDialogs : public Dialogs {
public:
    enum class Kind { confirm, input, message, help, about, chooser, folder, puzzle, progress, keys };
    struct Box {
        Kind kind;
        std::string text;  // the prompt of an input box
        std::string title;
    };
    std::vector<Box> opened;  // every box so far, in order
    int stacked = 0;          // boxes opened while another was still open

    bool isOpen() const { return pending_.has_value(); }
    const Box& current() const { return opened.back(); }

    // The boxes keep their texts in English.
    void confirm(const Message& text, const Message& title, std::function<void(bool)> done) override
    {
        open({Kind::confirm, english(text), english(title)}, [done](const std::string& a) { done(a == "yes"); });
    }
    void inputBox(const Message& prompt, const Message& title, std::function<void(const std::string&)> done) override
    {
        open({Kind::input, english(prompt), english(title)}, done);
    }
    void message(const Message& text, std::function<void()> done) override
    {
        open({Kind::message, english(text), ""}, [done](const std::string&) { done(); });
    }
    // The Records window closes at once; what it showed last is kept.
    RecordsShown records;
    void showRecords(const RecordsShown& shown, std::function<void()> done) override
    {
        records = shown;
        done();
    }
    void showHelp(std::function<void()> done) override
    {
        open({Kind::help, "", "HELP"}, [done](const std::string&) { done(); });
    }
    void showAbout(std::function<void()> done) override
    {
        open({Kind::about, "", "About Kelvaro"}, [done](const std::string&) { done(); });
    }

    // The level chooser stays open until answered; it then hands back `choice`.
    std::optional<ChooserRequest> chooser;
    std::optional<LevelChoice> choice;
    void chooseLevel(const ChooserRequest& request, std::function<void(std::optional<LevelChoice>)> done) override
    {
        chooser = request;
        open({Kind::chooser, "", "Choose level"}, [this, done](const std::string&) {
            std::optional<LevelChoice> chosen = std::move(choice);
            choice.reset();
            done(std::move(chosen));
        });
    }
    // The folder box answers with the text given ("" is Cancel).
    void pickFolder(std::function<void(std::optional<std::filesystem::path>)> done) override
    {
        open({Kind::folder, "", "Open level folder"}, [done](const std::string& folder) {
            done(folder.empty() ? std::nullopt : std::optional<std::filesystem::path>(folder));
        });
    }

    // The generated puzzle box answers `puzzle` to "ok", and nothing to anything else.
    PuzzleAsk puzzle;
    forge::Grade offered_grade = forge::Grade::easy;  // what the box last showed first
    void askPuzzle(forge::Grade grade, std::function<void(std::optional<PuzzleAsk>)> done) override
    {
        offered_grade = grade;
        open({Kind::puzzle, "", "Generated puzzle"}, [this, done](const std::string& a) {
            done(a == "ok" ? std::optional<PuzzleAsk>(puzzle) : std::nullopt);
        });
    }
    // The progress box: any answer is its Cancel; endProgress closes it without one.
    std::vector<double> progress;
    void showProgress(const Message& title, std::function<void()> cancelled) override
    {
        open({Kind::progress, "", english(title)}, [cancelled](const std::string&) { cancelled(); });
    }
    void setProgress(double share) override { progress.push_back(share); }
    void endProgress() override { pending_.reset(); }

    // Options > Keys opens on `keys_shown`; "ok" answers `keys_chosen`, anything else cancels.
    std::optional<PlayerKeys> keys_shown;
    PlayerKeys keys_chosen;
    void chooseKeys(const PlayerKeys& keys, std::function<void(std::optional<PlayerKeys>)> done) override
    {
        keys_shown = keys;
        open({Kind::keys, "", "Keys"}, [this, done](const std::string& a) {
            done(a == "ok" ? std::optional<PlayerKeys>(keys_chosen) : std::nullopt);
        });
    }

    // Closes the open box with an answer: "yes" or "no" for a confirmation, the text for an
    // input box ("" is Cancel), anything for the others.
    void answer(const std::string& text)
    {
        if (!pending_)
            return;
        auto done = std::move(*pending_);
        pending_.reset();  // the answer may open the next box
        done(text);
    }

private:
    void open(Box box, std::function<void(const std::string&)> done)
    {
        stacked += isOpen();
        opened.push_back(std::move(box));
        pending_ = std::move(done);
    }

    std::optional<std::function<void(const std::string&)>> pending_;
};

// A forge that holds each request until the test answers it.
class FakeForge : public ForgePort {
public:
    std::vector<ForgeRequest> requests;
    int cancels = 0;

    void forge(ForgeRequest request, std::function<void(double)> progress,
               std::function<void(const forge::ForgeOutcome&)> done) override
    {
        requests.push_back(request);
        progress_ = std::move(progress);
        done_ = std::move(done);
    }
    void cancel() override
    {
        ++cancels;
        progress_ = nullptr;
        done_ = nullptr;
    }
    bool pending() const { return static_cast<bool>(done_); }
    void report(double share) { progress_(share); }
    void answer(const forge::ForgeOutcome& outcome)
    {
        auto done = std::move(done_);
        done_ = nullptr;
        done(outcome);
    }

private:
    std::function<void(double)> progress_;
    std::function<void(const forge::ForgeOutcome&)> done_;
};

// Levels the window's tests play: a room to walk in, and one won as soon as the play loop looks.
inline const std::vector<std::string> drawn_room = {"#########", "#########", "##@.....#",
                                                    "##*...G##", "#########", "#########"};
inline const std::vector<std::string> drawn_won_at_once = {"######", "##@!##", "######"};

// GameWindowModel after start-up, on a fake clock, fake keys, recorded sounds, drawn levels and fake boxes.
struct WindowModelRig {
    explicit WindowModelRig(std::uint32_t start = 1000)
    {
        clock.now = start;
        model.start();
    }

    FakeClock clock;
    FakeKeys keys;
    SoundRecorder sound;
    FakeLevels levels;
    FakeDialogs dialogs;
    Images images = codedImages();
    int quits = 0;
    int exit_status = -1;                       // of the last quit
    std::vector<PlayerKeys> keys_kept;          // each set of keys the shell was given to keep
    std::optional<std::string> sound_failure;  // what loading the sounds says at start-up
    std::vector<LevelSet> installed;                       // what the chooser always lists
    std::function<LevelSet(const LevelSet&)> reread;       // none: a set stays as it was read
    std::vector<LevelSet> remembered;                      // each set the player chose, in order
    FakeForge forge;
    std::string clipboard;  // the system clipboard's text
    std::chrono::year_month_day today{std::chrono::year(2026), std::chrono::month(3), std::chrono::day(14)};
    // The level home Keep writes to: made by the first keep, removed by the test that keeps.
    std::filesystem::path level_home = std::filesystem::temp_directory_path() / ("kelvaro-home-" + std::to_string(getpid()));
    GameWindowModel model{images, shell(), shelf(), {{}, {}, [this] { return today; }}, puzzleSetup()};
    Controls& controls = model.controls;
    Engine& engine = model.engine;

    GameWindowModel::Shell shell()
    {
        GameWindowModel::Shell shell{sound, keys, dialogs, clock.source(),
                                     [this](int status) {
                                         ++quits;
                                         exit_status = status;
                                     },
                                     [this] { return sound_failure; }};
        shell.keys_chosen = [this](const PlayerKeys& chosen) { keys_kept.push_back(chosen); };
        shell.copyText = [this](const std::string& text) { clipboard = text; };
        shell.pasteText = [this] { return clipboard; };
        return shell;
    }
    LevelShelf shelf()
    {
        LevelShelf shelf{levels.loader(), [](int n) { return "Maps/maze" + std::to_string(n) + ".txt"; }};
        shelf.installed_sets = [this] { return installed; };
        shelf.reread_set = [this](const LevelSet& set) { return reread ? reread(set) : set; };
        shelf.set_chosen = [this](const LevelSet& set) { remembered.push_back(set); };
        return shelf;
    }
    GeneratedPuzzles::Setup puzzleSetup() { return {&forge, [this] { return today; }, level_home}; }

    bool run(std::uint32_t ms) { return runFor(model, clock, ms); }
    // What the window forwards, each followed by the pass the shell gives it after every event.
    void click(Command command)
    {
        model.post(command);
        model.advance();
    }
    void press(char key)
    {
        model.onCharacterKey(key);
        model.advance();
    }
    void answer(const std::string& text)
    {
        dialogs.answer(text);
        model.advance();
    }
    void newGame(const std::string& number)
    {
        click(Command::newGameItem);
        answer(number);
    }
    bool inSpiral() const
    {
        const Engine::Phase p = engine.phase();
        return p == Engine::Phase::spiral_ring || p == Engine::Phase::spiral_gap || p == Engine::Phase::spiral_wait;
    }
    // Through the start effect; the play loop may already have ended (a level won at once).
    bool toPlay()
    {
        for (int guard = 0; guard < 10000 && inSpiral(); ++guard)
            run(10);
        return !inSpiral();
    }
    // New game with `number`, drawn as `rows`, run to its play loop.
    bool play(int number, const std::vector<std::string>& rows, std::int16_t time = 75)
    {
        levels.add(number, levelFrom(rows, time));
        newGame(std::to_string(number));
        return toPlay();
    }
};

// The state a person could see or a later event could act on, in one line.
inline std::string summary(const WindowModelRig& rig)
{
    const Controls& k = rig.controls;
    const Engine& e = rig.engine;
    std::ostringstream out;
    out << "phase " << static_cast<int>(e.phase()) << " playing " << e.playing() << " paused " << int(e.paused())
        << " timeup " << e.timeup() << " level " << int(e.level()) << " player " << int(e.playerx()) << ","
        << int(e.playery()) << " dir " << int(e.playerdir()) << " time " << e.timeleft() << " | " << k.levelLabel.caption
        << " | " << k.timeLabel.caption << " | shown";
    const std::pair<const char*, bool> shown[] = {
        {"gameOverLabel", k.gameOverLabel.visible},       {"pausedLabel", k.pausedLabel.visible},     {"winnerLabel", k.winnerLabel.visible},
        {"bannerLabel", k.bannerLabel.visible},       {"nextButton", k.nextButton.visible}, {"abortButton", k.abortButton.visible},
        {"retryButton", k.retryButton.visible},   {"sadPicture", k.sadPicture.visible}, {"bannerTimer", k.bannerTimer.enabled},
        {"countdownTimer", k.countdownTimer.enabled},       {"endgame", k.endGameItem.enabled}, {"rlevel", k.restartLevelItem.enabled},
        {"sound", k.soundItem.checked},
    };
    for (const auto& [name, on] : shown)
        if (on)
            out << " " << name;
    out << " | frame " << k.windowSurfaceVersion;
    return out.str();
}

} // namespace kelvaro

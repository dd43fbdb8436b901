// SPDX-License-Identifier: GPL-3.0-or-later
// Generated and daily puzzles: asked for, forged behind a progress bar, played, kept.
#pragma once

#include "game/play/boxes.h"
#include "game/play/records_service.h"
#include "game/ports/forge_port.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>

namespace kelvaro {

class GeneratedPuzzles {
public:
    struct Setup {
        ForgePort* forge = nullptr;  // none: at once, inline
        // The daily puzzle's day.
        std::function<std::chrono::year_month_day()> today = todayUtc;
        // The player's level home, where Keep this level writes; empty: there is none.
        std::filesystem::path level_home = {};
    };

    // `play` starts the puzzle just forged, which level() then gives.
    GeneratedPuzzles(Setup setup, Boxes& boxes, std::function<void()> play);

    // Game > Generated puzzle: asks for a grade and a code, then forges it.
    void ask();
    // A code typed elsewhere: forged as the box's code would be; a faulty one is said.
    void forgeCode(const std::string& typed);
    // Game > Daily puzzle: today's.
    void daily();
    // Next after a puzzle: the code after it, of the same grade.
    void next();
    // Game > Keep this level: the puzzle last won, into the player's level home.
    void keep();

    // While a puzzle is in play every level number is its level: Restart and Retry replay it.
    const GameLevel* level() const { return puzzle_ ? &puzzle_->level : nullptr; }
    bool inPlay() const { return puzzle_.has_value(); }
    // The day of the daily puzzle in play, for its records.
    std::optional<std::chrono::year_month_day> day() const { return puzzle_ ? puzzle_->day : std::nullopt; }
    // The shortest solution's actions of the puzzle in play, when the forge told it.
    std::optional<int> par() const { return puzzle_ ? puzzle_->par : std::nullopt; }
    // The code of the puzzle in play, for the window's title.
    std::optional<std::string> code() const;
    // The set in play takes over again.
    void leave() { puzzle_.reset(); }
    // The puzzle in play was won, until another level starts: it can be kept.
    void won() { won_ = puzzle_; }
    void levelStarted() { won_.reset(); }
    bool canKeep() const { return won_.has_value(); }

private:
    struct Puzzle {
        forge::LevelCode code;
        GameLevel level;  // as read back from its level file, so records match a kept copy
        std::optional<std::chrono::year_month_day> day;  // the daily puzzle's
        std::optional<int> par;
    };
    void forge(ForgeRequest request, const char* title);
    void asked(const PuzzleAsk& answer, const std::function<void()>& again);
    void forged(const ForgeRequest& request, const forge::ForgeOutcome& outcome);
    ForgePort& forger() { return setup_.forge ? *setup_.forge : inline_forge_; }

    Setup setup_;
    Boxes& boxes_;
    std::function<void()> play_;
    InlineForge inline_forge_;
    std::optional<Puzzle> puzzle_;  // the puzzle that Restart, Retry and Next play from
    std::optional<Puzzle> won_;     // the puzzle last won, until another level starts
    forge::Grade grade_ = forge::Grade::medium;  // the grade the box offers first
    std::mt19937 seeds_{std::random_device{}()};
};

} // namespace kelvaro

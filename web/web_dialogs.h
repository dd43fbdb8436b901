// SPDX-License-Identifier: GPL-3.0-or-later
// The game's boxes as HTML dialogs of the page: each opens at once and answers when the player closes it.
#pragma once

#include "game/engine/images.h"
#include "game/play/chooser_level.h"
#include "game/ports/dialogs.h"
#include "web/page.h"
#include "web/web_translation.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// What the chooser gives a level's picture, as the desktop's grid does: 17 x 16 cells of 8 pixels.
inline constexpr int chooser_thumbnail_width = 136;
inline constexpr int chooser_thumbnail_height = 128;

class WebDialogs : public Dialogs {
public:
    // `images` draw the chooser's thumbnails.
    WebDialogs(Page& page, const Images& images) : page_(page), images_(images) {}

    void confirm(const Message& text, const Message& title, std::function<void(bool yes)> done) override;
    void inputBox(const Message& prompt, const Message& title, std::function<void(const std::string& answer)> done) override;
    void message(const Message& text, std::function<void()> done) override;
    void showHelp(std::function<void()> done) override;
    void showAbout(std::function<void()> done) override;
    void showRecords(const RecordsShown& shown, std::function<void()> done) override;
    void updateRecords(const RecordsShown& shown) override;
    void chooseLevel(const ChooserRequest& request, std::function<void(std::optional<LevelChoice>)> done) override;
    void updateChooser() override;
    void askPuzzle(forge::Grade grade, std::function<void(std::optional<PuzzleAsk>)> done) override;
    void showProgress(const Message& title, std::function<void()> cancelled) override;
    void setProgress(double share) override;
    void endProgress() override;
    void chooseKeys(const PlayerKeys& keys, std::function<void(std::optional<PlayerKeys>)> done) override;

    // The page closed box `id`: `yes` for Yes or OK, `text` what was typed (empty for Cancel).
    void answer(int id, bool yes, const std::string& text);
    // The open chooser shows set `index` of its list (read afresh).
    void chooserSet(int index);
    // The player chose level `number` of the set the chooser shows: played, or said why it cannot be.
    void chooserPlay(int number);
    // The open keys box: the action's key `slot` (0 or 1) is `name`, the action's keys are
    // cleared, the ready set `set` (Arrows, WASD, HJKL, Defaults) is taken, OK was pressed.
    void keysChoose(int action, int slot, const std::string& name);
    void keysClear(int action);
    void keysReady(int set);
    void keysOk();
    // The keyboard's keys in use, which Help names.
    std::function<KeyBindings()> keys_in_use = [] { return KeyBindings::defaults(); };
    // Runs after every answer: the shell advances the model and mirrors it.
    std::function<void()> after_close = [] {};

private:
    using Answer = std::function<void(bool yes, const std::string& text)>;
    int open(Answer answer);
    void showSet(int index, int focus_number);
    std::vector<ChooserTile> chooserTiles(bool with_pictures) const;

    struct Chooser {
        int id = 0;
        std::vector<LevelSet> sets;
        int shown = -1;
        std::vector<ChooserLevel> levels;  // of the set shown
        std::function<LevelFigures(const GameLevel&)> figures;
        std::optional<LevelChoice> choice;
    };

    Page& page_;
    const Images& images_;
    std::map<int, Answer> open_;
    int next_id_ = 1;
    int records_id_ = 0;  // the Records window open, or 0
    std::optional<Chooser> chooser_;
    struct Progress {
        int id = 0;
        std::string title;
        int shown = -1;  // in thousandths: the page is told only when the bar moves
    };
    std::optional<Progress> progress_;
    struct KeysBox {
        int id = 0;
        PlayerKeys keys;
    };
    std::optional<KeysBox> keys_box_;
    void showKeys(const std::string& refusal = {});
};

} // namespace kelvaro

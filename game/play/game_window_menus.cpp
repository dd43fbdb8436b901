// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu items and buttons: each handler, under the window's own name.
#include "game/play/game_window_model.h"
#include "game/play/window_phrases.h"

namespace kelvaro {

void GameWindowModel::start()
{
    controls.endGameItem.enabled = false;
    controls.restartLevelItem.enabled = false;
    if (const std::optional<std::string> failure = shell_.initsound()) {
        // A launcher or script must see that the game could not start. The sound shell words
        // its failure itself.
        boxes_.say(plainText(*failure), [this] { shell_.quit(1); });
        return;
    }
    engine.stopgame();
}

void GameWindowModel::resetReadouts()
{
    controls.timeLabel.caption = timeCaption();
    controls.levelLabel.caption = levelCaption();
}

void GameWindowModel::stopMusic() { engine.stopMusicAndRewind(); }

void GameWindowModel::onNewGame()
{
    clock_.pauseForBox();
    askLevel();
}

void GameWindowModel::onEndGame()
{
    boxes_.ifSure(words::exit_game, [this] {
        stopMusic();
        puzzles_.leave();
        controls.bannerLabel.visible = true;
        controls.countdownTimer.disable();
        resetReadouts();
        engine.stopgame();
    });
}

void GameWindowModel::onRestartLevel()
{
    boxes_.ifSure(words::restart_level, [this] {
        controls.countdownTimer.disable();
        startlevel(engine.level(), true);
    });
}

void GameWindowModel::onExit()
{
    boxes_.ifSure(words::exit_kelvaro, [this] { shell_.quit(0); });
}

void GameWindowModel::onSound()
{
    controls.soundItem.checked = !controls.soundItem.checked;
    if (!controls.soundItem.checked)
        shell_.sound.stopMusic();
    shell_.sound.rewindMusic();
    if (controls.soundItem.checked)
        shell_.sound.playMusicLooping();
}

void GameWindowModel::onHelp()
{
    clock_.pauseForBox();
    boxes_.modal([this](auto closed) { shell_.dialogs.showHelp([closed] { closed(); }); });
}

void GameWindowModel::onAbout()
{
    clock_.pauseForBox();
    boxes_.modal([this](auto closed) { shell_.dialogs.showAbout([closed] { closed(); }); });
}

void GameWindowModel::onNext()
{
    if (puzzles_.inPlay()) {
        puzzles_.next();
        return;
    }
    clipboard_.leave();  // after a pasted level the set goes on
    refreshSet();
    const std::optional<int> next = played_.next(engine.level());
    if (!next)
        return;
    controls.nextButton.visible = false;
    controls.abortButton.visible = false;
    resetReadouts();
    startlevel(*next);
}

void GameWindowModel::onAbort()
{
    boxes_.ifSure(words::exit_game, [this] {
        stopMusic();
        puzzles_.leave();
        for (LabelControl* label : {&controls.winnerLabel, &controls.gameOverLabel})
            label->visible = false;
        for (ButtonControl* button : {&controls.nextButton, &controls.abortButton, &controls.retryButton})
            button->visible = false;
        controls.sadPicture.visible = false;
        resetReadouts();
        controls.bannerLabel.visible = true;
        engine.stopgame();
    });
}

void GameWindowModel::onRetry()
{
    controls.gameOverLabel.visible = false;
    controls.sadPicture.visible = false;
    controls.abortButton.visible = false;
    controls.retryButton.visible = false;
    startlevel(engine.level());
}

void GameWindowModel::onHint() { aid_.askHint(); }

void GameWindowModel::onRecords()
{
    clock_.pauseForBox();
    records_.showRecords(played_.listed(), shelf_.loader);
}

void GameWindowModel::onGeneratedPuzzle()
{
    clock_.pauseForBox();
    puzzles_.ask();
}

void GameWindowModel::onDailyPuzzle()
{
    clock_.pauseForBox();
    puzzles_.daily();
}

void GameWindowModel::playCode(const std::string& code)
{
    clock_.pauseForBox();
    puzzles_.forgeCode(code);
}

void GameWindowModel::onKeepLevel() { puzzles_.keep(); }


void GameWindowModel::onCopyLevel() { clipboard_.copy(); }

void GameWindowModel::onPasteLevel() { clipboard_.paste(); }

} // namespace kelvaro

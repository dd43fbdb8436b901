// SPDX-License-Identifier: GPL-3.0-or-later
// The web shell's wiring of the model, and its events.
#include "web/web_shell.h"

#include "game/play/played_set.h"
#include "game/records/records.h"
#include "level/forge/grade_forge.h"
#include "level/level_files.h"
#include "level/sets/level_set.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>

namespace kelvaro {
namespace {

// Set once a test takes the clock over: from then on time moves only when the test says.
std::optional<std::uint32_t> test_now;

// Set by a test: the daily puzzle's day.
std::optional<std::chrono::year_month_day> test_day;

std::chrono::year_month_day today() { return test_day ? *test_day : todayUtc(); }

// The page's clock: performance.now(), whole milliseconds, wrapping as the port allows.
std::uint32_t ticks()
{
    return test_now ? *test_now : static_cast<std::uint32_t>(static_cast<std::uint64_t>(emscripten_get_now()));
}

std::optional<Command> commandNamed(const std::string& name)
{
    static const std::map<std::string, Command> commands = {
        {"newGame", Command::newGameItem},       {"endGame", Command::endGameItem},
        {"restart", Command::restartLevelItem},  {"sound", Command::soundItem},
        {"help", Command::helpItem},             {"about", Command::aboutItem},
        {"next", Command::nextButton},           {"abort", Command::abortButton},
        {"retry", Command::retryButton},         {"hint", Command::hintItem},
        {"records", Command::recordsItem},       {"chooseLevel", Command::chooseLevelItem},
        {"generated", Command::generatedItem},   {"daily", Command::dailyItem},
        {"keepLevel", Command::keepLevelItem},   {"redo", Command::redoItem},
        {"replay", Command::replayItem},         {"showSolution", Command::showSolutionItem},
        {"keys", Command::keysItem},
        {"copyLevel", Command::copyLevelItem},
    };
    const auto found = commands.find(name);
    return found == commands.end() ? std::nullopt : std::optional(found->second);
}

} // namespace

WebShell::WebShell(const std::filesystem::path& data, const std::filesystem::path& save)
    : images_(loadImages(data / "images")), sets_folder_(save / "sets"),
      files_(save, [this] { page_.keepFiles(); })
{
    LevelShelf shelf;
    shelf.loader = [this](int n) { return loadGameLevel(model_->playedSet().file(n)); };
    shelf.file_name = [this](int n) { return files_.shownName(model_->playedSet().file(n)); };
    shelf.installed_sets = [data] { return std::vector<LevelSet>{builtinLevelSet(data)}; };
    GameWindowModel::Shell shell{sound_, keys_, dialogs_, ticks, [](int status) { std::printf("quit %d\n", status); }};
    shell.solver = &solver_;
    // A key held now may mean another on its release.
    shell.keys_chosen = [this](const PlayerKeys&) {
        key_reader_.clear();
        keys_.clear();
    };
    shell.copyText = [this](const std::string& text) { page_.copyText(text); };
    shell.initsound = [this] {
        sound_.load();
        return std::optional<std::string>();
    };
    model_ = std::make_unique<GameWindowModel>(images_, std::move(shell), std::move(shelf),
                                               RecordsService::Setup{recordsFile(save.c_str(), nullptr), shippedLevelKeys(data), today},
                                               GeneratedPuzzles::Setup{&forge_, today, sets_folder_});
    model_->setLevelSet(builtinLevelSet(data));
    dialogs_.after_close = [this] { sync(); };
    dialogs_.keys_in_use = [this] { return model_->playerKeys().keyboard; };
    model_->engine.trace = [this](std::uint32_t, bool frame) { steps_ += frame ? 0 : 1; };
}

void WebShell::start()
{
    files_.restore(*model_);
    model_->start();
    sync();
    solver_link_.prepare();
}

void WebShell::sync()
{
    model_->advance();
    mirror_.show(model_->controls, images_);
    puzzle_mirror_.show(*model_);
    const std::optional<std::uint32_t> due = model_->nextDue();
    page_.wakeIn(due ? std::max(static_cast<std::int32_t>(*due - ticks()), 0) : -1);
    files_.keepSettings(*model_);
}

void WebShell::wake() { sync(); }

void WebShell::openDone()
{
    files_.open(*model_);
    sync();
}

void WebShell::command(const std::string& name)
{
    if (const std::optional<Command> command = commandNamed(name))
        model_->post(*command);
    if (name == "keepLevel")
        keptPuzzle();
    sync();
}

// A puzzle kept lands in the "Generated" set of the level home: the chooser lists it from now
// on, and on later visits with the other sets there.
void WebShell::keptPuzzle()
{
    const std::filesystem::path generated = sets_folder_ / "Generated";
    std::error_code error;
    if (std::filesystem::is_directory(generated, error))
        model_->addOpenedFolder(generated);
}

void WebShell::pasteLevel(const std::string& text)
{
    model_->pasteLevel(text);
    sync();
}

void WebShell::playCode(const std::string& code)
{
    model_->playCode(code);
    sync();
}

void WebShell::setTestDay(std::chrono::year_month_day day) { test_day = day; }

void WebShell::characterKey(char key)
{
    model_->onCharacterKey(key);
    sync();
}

void WebShell::key(Key key, bool down)
{
    keys_.set(key, down);
    if (down)
        model_->cancelPointer();
    sync();
}

KeyDeed::Kind WebShell::pageKey(const PageKey& key)
{
    const KeyDeed deed = key_reader_.read(model_->playerKeys().keyboard, key);
    switch (deed.kind) {
    case KeyDeed::Kind::held:
        if (deed.changed)
            this->key(deed.key, deed.down);
        break;
    case KeyDeed::Kind::redo: command("redo"); break;
    case KeyDeed::Kind::character: characterKey(deed.character); break;
    case KeyDeed::Kind::nothing: break;
    }
    return deed.kind;
}

void WebShell::releaseKeys()
{
    key_reader_.clear();
    keys_.clear();
    sync();
}

void WebShell::cellClick(int x, int y)
{
    model_->onCellClick(x, y);
    sync();
}

void WebShell::cancelPointer()
{
    model_->cancelPointer();
    sync();
}

void WebShell::chooserSet(int index)
{
    dialogs_.chooserSet(index);
    sync();
}

void WebShell::chooserPlay(int number)
{
    dialogs_.chooserPlay(number);
    sync();
}

bool WebShell::pointerActs(int x, int y) { return model_->pointerActs(x, y); }

void WebShell::workerAnswer(const std::string& name, const std::string& text)
{
    if (name == "solver")
        solver_.answer(text);
    else if (name == "forge")
        forge_.answer(text);
    sync();
}

void WebShell::workerFailed(const std::string& name)
{
    if (name == "solver")
        solver_.failed();
    else if (name == "forge")
        forge_.failed();
    sync();
}

void WebShell::setTestClock(std::uint32_t now)
{
    test_now = now;
    sync();
}

std::string WebShell::puzzleFile() const
{
    const GameLevel* puzzle = model_->puzzleInPlay();
    return puzzle ? forge::levelFileBytes(*puzzle) : std::string();
}

std::string WebShell::probe() const
{
    const Engine& engine = model_->engine;
    const GameLevel& at = engine.position();
    const auto flag = [](bool value) { return value ? "true" : "false"; };
    const HintOutline& hint = model_->controls.hintOutline;
    char text[400];
    std::snprintf(text, sizeof text,
                  R"({"level":%d,"playing":%s,"inPlay":%s,"timeup":%s,"x":%d,"y":%d,"jewel":[%d,%d],"timeleft":%d,"moves":%zu,)"
                  R"("steps":%u,"moving":%s,"hint":[%s,%d,%d,%d,%d],"solving":%zu,"dropped":%d,"phase":%d,"paused":%d,"suspended":%s})",
                  engine.level(), flag(engine.playing()), flag(engine.inPlay()), flag(engine.timeup()), at.playerx,
                  at.playery, at.jewelx, at.jewely, at.timeleft, engine.movesMade(), steps_,
                  flag(engine.phase() == Engine::Phase::animating), flag(hint.visible), hint.objectx, hint.objecty,
                  hint.sidex, hint.sidey, solver_.outstanding(), solver_.dropped(), static_cast<int>(engine.phase()),
                  engine.paused(), flag(engine.suspended()));
    return text;
}

} // namespace kelvaro

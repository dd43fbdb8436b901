// SPDX-License-Identifier: GPL-3.0-or-later
// The C functions the page's script calls: one shell, made at start-up, every event handed to it.
#include "game/play/scene_scale.h"
#include "web/web_shell.h"
#include "web/web_translation.h"

#include <emscripten.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>

extern "C" void kelvaro_mount();

namespace {

std::unique_ptr<kelvaro::WebShell> shell;

} // namespace

extern "C" {

// The player's files live in /save, kept in the browser's IndexedDB: read back before the game
// starts, then the page's storageRead() starts it.
EMSCRIPTEN_KEEPALIVE void kel_mount() { kelvaro_mount(); }

// The data packed into the build sits in /game: Maps/ and images/.
EMSCRIPTEN_KEEPALIVE void kel_start()
{
    shell = std::make_unique<kelvaro::WebShell>("/game", "/save");
    shell->start();
}

EMSCRIPTEN_KEEPALIVE void kel_wake() { shell->wake(); }
EMSCRIPTEN_KEEPALIVE void kel_command(const char* name) { shell->command(name); }
EMSCRIPTEN_KEEPALIVE void kel_character(int key) { shell->characterKey(static_cast<char>(key)); }
// `key`: 0 left, 1 right, 2 up, 3 down, 4 Ctrl, as the keys port numbers them.
EMSCRIPTEN_KEEPALIVE void kel_key(int key, int down) { shell->key(static_cast<kelvaro::Key>(key), down != 0); }
// A key pressed (`down`) or let go, named as the player's keys name it ("Shift+U"), bare ("U"),
// and its ASCII character or 0: 0 it did nothing, 1 it walked, pushed or redid, 2 it typed.
EMSCRIPTEN_KEEPALIVE int kel_key_event(const char* name, const char* bare, int character, int down, int repeat)
{
    const kelvaro::PageKey key{name, bare, static_cast<char>(character), down != 0, repeat != 0};
    switch (shell->pageKey(key)) {
    case kelvaro::KeyDeed::Kind::nothing: return 0;
    case kelvaro::KeyDeed::Kind::character: return 2;
    default: return 1;
    }
}
// The open keys box: a key chosen for an action's slot, an action's keys cleared, a ready set, OK.
EMSCRIPTEN_KEEPALIVE void kel_keys_choose(int action, int slot, const char* name) { shell->dialogs().keysChoose(action, slot, name); }
EMSCRIPTEN_KEEPALIVE void kel_keys_clear(int action) { shell->dialogs().keysClear(action); }
EMSCRIPTEN_KEEPALIVE void kel_keys_ready(int set) { shell->dialogs().keysReady(set); }
EMSCRIPTEN_KEEPALIVE void kel_keys_ok() { shell->dialogs().keysOk(); }
EMSCRIPTEN_KEEPALIVE void kel_release_keys() { shell->releaseKeys(); }
EMSCRIPTEN_KEEPALIVE void kel_cell_click(int x, int y) { shell->cellClick(x, y); }
EMSCRIPTEN_KEEPALIVE void kel_cancel_pointer() { shell->cancelPointer(); }
EMSCRIPTEN_KEEPALIVE int kel_pointer_acts(int x, int y) { return shell->pointerActs(x, y) ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE void kel_test_clock(int now) { shell->setTestClock(static_cast<std::uint32_t>(now)); }
// Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* kel_probe()
{
    static std::string text;
    text = shell->probe();
    return text.c_str();
}
// Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* kel_test_puzzle_file()
{
    static std::string text;
    text = shell->puzzleFile();
    return text.c_str();
}
// The worker `name` ("solver", "forge") answered, or stopped.
EMSCRIPTEN_KEEPALIVE void kel_worker_answer(const char* name, const char* text) { shell->workerAnswer(name, text); }
EMSCRIPTEN_KEEPALIVE void kel_worker_failed(const char* name) { shell->workerFailed(name); }
EMSCRIPTEN_KEEPALIVE void kel_answer(int box, int yes, const char* text) { shell->answer(box, yes != 0, text); }
EMSCRIPTEN_KEEPALIVE void kel_chooser_set(int index) { shell->chooserSet(index); }
EMSCRIPTEN_KEEPALIVE void kel_chooser_play(int number) { shell->chooserPlay(number); }

// Level files the player opened from the device: each file's name ("a.txt", "Folder/a.txt") and
// bytes, then kel_open_done() once they are all there.
EMSCRIPTEN_KEEPALIVE void kel_open_file(const char* name, const char* bytes, int length)
{
    shell->openFile(name, std::string(bytes, static_cast<std::size_t>(length)));
}
EMSCRIPTEN_KEEPALIVE void kel_open_done() { shell->openDone(); }

// Paste level with the clipboard's text, which the page reads when the browser lets it.
EMSCRIPTEN_KEEPALIVE void kel_paste(const char* text) { shell->pasteLevel(text); }

// A puzzle's code from the page's address (#H-02053, ?code=H-02053): that puzzle is forged and played.
EMSCRIPTEN_KEEPALIVE void kel_play_code(const char* code) { shell->playCode(code); }
// For the browser tests: the daily puzzle's day from now on, as the desktop's UTC date would be.
EMSCRIPTEN_KEEPALIVE void kel_test_day(int year, int month, int day)
{
    kelvaro::WebShell::setTestDay(std::chrono::year_month_day{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                                              std::chrono::day(static_cast<unsigned>(day))});
}

// The scale for an area of device pixels, as the desktop's full screen takes it: render ratio,
// nearest factor, smooth, shown width and height, left and top; valid until the next call.
// A dense screen takes a whole scale, but on a page smaller than the scene (a phone's) that
// would show it at a fraction of its size with most of the screen empty: there it is fitted as
// on a screen of density 1, sharp-bilinear over the device pixels it has.
EMSCRIPTEN_KEEPALIVE const int* kel_fit(int width, int height, int dpr)
{
    static int numbers[7];
    kelvaro::SceneScale s = kelvaro::fittedScale(width, height, dpr);
    if (s.render_ratio * s.nearest < dpr)
        s = kelvaro::fittedScale(width, height, 1);
    const int values[7] = {s.render_ratio, s.nearest, s.smooth ? 1 : 0, s.width, s.height, s.left, s.top};
    std::copy(values, values + 7, numbers);
    return numbers;
}

// The page's language: its code, then each text of its translation (form 0 for a text without
// %n), then kel_language_done(), which shows a game already started in it.
EMSCRIPTEN_KEEPALIVE void kel_language(const char* code) { kelvaro::pageTranslation().reset(code); }
EMSCRIPTEN_KEEPALIVE void kel_phrase(const char* context, const char* source, int form, const char* text)
{
    kelvaro::pageTranslation().add(context, source, form, text);
}
EMSCRIPTEN_KEEPALIVE void kel_language_done()
{
    if (shell)
        shell->showAgain();
}
}

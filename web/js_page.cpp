// SPDX-License-Identifier: GPL-3.0-or-later
// The calls into the page's script (library_kelvaro.js), with C++ values turned into plain ones.
#include "web/js_page.h"

#include "web/page_json.h"
#include "web/web_translation.h"

#include <vector>

extern "C" {
void kelvaro_open_box(int id, int kind, const char* title, const char* text);
void kelvaro_records(int id, const char* json);
void kelvaro_open_chooser(int id, const char* title, const char* play, const char* sets, int current);
void kelvaro_chooser_set(int set, const char* name, const char* info, int focus);
void kelvaro_chooser_tile(int index, int number, const void* pixels, int width, int height, const char* lines, int solved,
                          int playable, const char* tip);
void kelvaro_close_box(int id);
void kelvaro_blit(const void* pixels, int stride, int x, int y, int width, int height);
void kelvaro_label(int index, const char* caption, int x, int y, int width, int height, int visible, unsigned colour,
                   double font_points);
void kelvaro_button(int index, const char* caption, int x, int y, int width, int height, int visible, int focused);
void kelvaro_picture(int index, const void* pixels, int image_width, int image_height, int x, int y, int width,
                     int height, int visible);
void kelvaro_menu_item(const char* name, int enabled, int checked);
void kelvaro_overlay(const int* numbers, int count);
void kelvaro_wake(int milliseconds);
void kelvaro_keep_files();
void kelvaro_puzzle_box(int id, const char* json);
void kelvaro_progress(int id, const char* title, const char* text, double share);
void kelvaro_keys(int id, const char* json);
void kelvaro_title(const char* title);
void kelvaro_share(const char* line, const char* caption, const char* copied);
void kelvaro_copy_text(const char* text);
}

namespace kelvaro {

void JsPage::openBox(int id, BoxKind kind, const std::string& title, const std::string& text)
{
    kelvaro_open_box(id, static_cast<int>(kind), title.c_str(), text.c_str());
}

void JsPage::showRecords(int id, const RecordsView& view) { kelvaro_records(id, jsonRecords(view).c_str()); }

void JsPage::openChooser(int id, const ChooserView& view)
{
    kelvaro_open_chooser(id, view.title.c_str(), view.play.c_str(), jsonList(view.sets).c_str(), view.current);
}

namespace {

// A tile without a picture keeps the one the page shows.
void showTiles(const std::vector<ChooserTile>& tiles)
{
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const ChooserTile& t = tiles[i];
        kelvaro_chooser_tile(static_cast<int>(i), t.number, t.thumbnail.width() > 0 ? t.thumbnail.data() : nullptr,
                             t.thumbnail.width(), t.thumbnail.height(), jsonList(t.lines).c_str(), t.solved ? 1 : 0,
                             t.playable ? 1 : 0, t.tip.c_str());
    }
}

} // namespace

void JsPage::showChooserSet(int set, const std::string& name, const std::string& info, const std::vector<ChooserTile>& tiles,
                            int focus)
{
    kelvaro_chooser_set(set, name.c_str(), info.c_str(), focus);
    showTiles(tiles);
}

void JsPage::showChooserFigures(const std::vector<ChooserTile>& tiles) { showTiles(tiles); }

void JsPage::closeBox(int id) { kelvaro_close_box(id); }

void JsPage::blit(const Surface& surface, const Area& area)
{
    kelvaro_blit(surface.data(), surface.width(), area.x, area.y, area.width, area.height);
}

void JsPage::showLabel(int index, const LabelControl& label)
{
    const Rect& p = label.place;
    kelvaro_label(index, worded(label.caption).c_str(), static_cast<int>(p.left), static_cast<int>(p.top), p.width,
                  p.height, label.visible ? 1 : 0, label.colour, label.font_points);
}

void JsPage::showButton(int index, const ButtonControl& button, bool focused)
{
    const Rect& p = button.place;
    kelvaro_button(index, worded(button.caption).c_str(), static_cast<int>(p.left), static_cast<int>(p.top), p.width,
                   p.height, button.visible ? 1 : 0, focused ? 1 : 0);
}

void JsPage::showPicture(int index, const Surface& image, const PictureControl& picture)
{
    const Rect& p = picture.place;
    kelvaro_picture(index, image.data(), image.width(), image.height(), static_cast<int>(p.left), static_cast<int>(p.top),
                    p.width, p.height, picture.visible ? 1 : 0);
}

void JsPage::showMenuItem(const char* name, const MenuItem& item)
{
    kelvaro_menu_item(name, item.enabled ? 1 : 0, item.checked ? 1 : 0);
}

// Handed over as plain numbers: the hint's flag and two cells, the marks' flag, object and targets.
void JsPage::showOverlay(const HintOutline& hint, const PushMarks& marks)
{
    std::vector<int> numbers{hint.visible, hint.objectx, hint.objecty, hint.sidex, hint.sidey,
                             marks.visible, marks.objectx, marks.objecty};
    for (const auto& [x, y] : marks.targets) {
        numbers.push_back(x);
        numbers.push_back(y);
    }
    kelvaro_overlay(numbers.data(), static_cast<int>(numbers.size()));
}

void JsPage::wakeIn(int milliseconds) { kelvaro_wake(milliseconds); }

void JsPage::keepFiles() { kelvaro_keep_files(); }

void JsPage::openPuzzleBox(int id, const PuzzleBoxView& view) { kelvaro_puzzle_box(id, jsonPuzzleBox(view).c_str()); }

void JsPage::showProgress(int id, const std::string& title, const std::string& text, double share)
{
    kelvaro_progress(id, title.c_str(), text.c_str(), share);
}

void JsPage::showKeys(int id, const KeysView& view) { kelvaro_keys(id, jsonKeys(view).c_str()); }

void JsPage::showTitle(const std::string& title) { kelvaro_title(title.c_str()); }

void JsPage::showShare(const std::string& line, const std::string& caption, const std::string& copied)
{
    kelvaro_share(line.c_str(), caption.c_str(), copied.c_str());
}

void JsPage::copyText(const std::string& text) { kelvaro_copy_text(text.c_str()); }

} // namespace kelvaro

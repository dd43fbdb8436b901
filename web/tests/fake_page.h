// SPDX-License-Identifier: GPL-3.0-or-later
// A page that writes down what the web shell asked of it, a line a call.
#pragma once

#include "web/page.h"

#include <string>
#include <utility>
#include <vector>

namespace kelvaro {

class FakePage : public Page {
public:
    std::vector<std::string> calls;

    void openBox(int id, BoxKind kind, const std::string& title, const std::string& text) override
    {
        calls.push_back("box " + std::to_string(id) + " " + std::to_string(static_cast<int>(kind)) + " " + title + ": " + text);
    }
    // What the page was handed last, beside the call's line.
    RecordsView records;
    ChooserView chooser;
    std::vector<ChooserTile> tiles;
    std::string set_info;

    void showRecords(int id, const RecordsView& view) override
    {
        calls.push_back("records " + std::to_string(id));
        records = view;
    }
    void openChooser(int id, const ChooserView& view) override
    {
        calls.push_back("chooser " + std::to_string(id) + " " + view.title);
        chooser = view;
    }
    void showChooserSet(int set, const std::string& name, const std::string& info, const std::vector<ChooserTile>& shown,
                        int focus) override
    {
        calls.push_back("set " + std::to_string(set) + " " + name + " focus " + std::to_string(focus));
        set_info = info;
        tiles = shown;
    }
    void showChooserFigures(const std::vector<ChooserTile>& shown) override
    {
        calls.push_back("figures");
        for (std::size_t i = 0; i < shown.size() && i < tiles.size(); ++i) {
            tiles[i].lines = shown[i].lines;
            tiles[i].solved = shown[i].solved;
        }
    }
    void closeBox(int id) override { calls.push_back("close " + std::to_string(id)); }
    void blit(const Surface&, const Area& a) override
    {
        calls.push_back("blit " + std::to_string(a.x) + "," + std::to_string(a.y) + " " + std::to_string(a.width) + "x" +
                        std::to_string(a.height));
    }
    void showLabel(int index, const LabelControl& label) override
    {
        calls.push_back("label " + std::to_string(index) + " " + english(label.caption) + (label.visible ? "" : " hidden"));
    }
    void showButton(int index, const ButtonControl& button, bool focused) override
    {
        calls.push_back("button " + std::to_string(index) + " " + english(button.caption) + (button.visible ? "" : " hidden") +
                        (focused ? " focused" : ""));
    }
    void showPicture(int index, const Surface&, const PictureControl& picture) override
    {
        calls.push_back("picture " + std::to_string(index) + (picture.visible ? "" : " hidden"));
    }
    void showMenuItem(const char* name, const MenuItem& item) override
    {
        calls.push_back(std::string("menu ") + name + (item.enabled ? "" : " disabled") + (item.checked ? " checked" : ""));
    }
    void showOverlay(const HintOutline& hint, const PushMarks& marks) override
    {
        calls.push_back(std::string("overlay") + (hint.visible ? " hint" : "") + (marks.visible ? " marks" : ""));
    }
    void wakeIn(int milliseconds) override { calls.push_back("wake " + std::to_string(milliseconds)); }
    void keepFiles() override { calls.push_back("keep files"); }
    PuzzleBoxView puzzle_box;
    void openPuzzleBox(int id, const PuzzleBoxView& view) override
    {
        calls.push_back("puzzle box " + std::to_string(id) + " " + view.title);
        puzzle_box = view;
    }
    void showProgress(int id, const std::string& title, const std::string& text, double share) override
    {
        calls.push_back("progress " + std::to_string(id) + " " + title + ": " + text + " " +
                        std::to_string(static_cast<int>(share * 100)) + "%");
    }
    KeysView keys;
    void showKeys(int id, const KeysView& view) override
    {
        calls.push_back("keys " + std::to_string(id) + (view.refusal.empty() ? "" : ": " + view.refusal));
        keys = view;
    }
    void showTitle(const std::string& title) override { calls.push_back("title " + title); }
    void showShare(const std::string& line, const std::string& caption, const std::string& copied) override
    {
        calls.push_back("share " + line + (line.empty() ? "" : " [" + caption + "/" + copied + "]"));
    }
    void copyText(const std::string& text) override { calls.push_back("copy " + text); }

    // The calls so far, forgotten.
    std::vector<std::string> take() { return std::exchange(calls, {}); }
};

} // namespace kelvaro

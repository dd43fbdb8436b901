// SPDX-License-Identifier: GPL-3.0-or-later
// The page in the browser: every call goes to the page's script through library_kelvaro.js.
#pragma once

#include "web/page.h"

namespace kelvaro {

class JsPage : public Page {
public:
    void openBox(int id, BoxKind kind, const std::string& title, const std::string& text) override;
    void showRecords(int id, const RecordsView& view) override;
    void openChooser(int id, const ChooserView& view) override;
    void showChooserSet(int set, const std::string& name, const std::string& info, const std::vector<ChooserTile>& tiles,
                        int focus) override;
    void showChooserFigures(const std::vector<ChooserTile>& tiles) override;
    void closeBox(int id) override;
    void blit(const Surface& surface, const Area& area) override;
    void showLabel(int index, const LabelControl& label) override;
    void showButton(int index, const ButtonControl& button, bool focused) override;
    void showPicture(int index, const Surface& image, const PictureControl& picture) override;
    void showMenuItem(const char* name, const MenuItem& item) override;
    void showOverlay(const HintOutline& hint, const PushMarks& marks) override;
    void wakeIn(int milliseconds) override;
    void keepFiles() override;
    void openPuzzleBox(int id, const PuzzleBoxView& view) override;
    void showProgress(int id, const std::string& title, const std::string& text, double share) override;
    void showKeys(int id, const KeysView& view) override;
    void showTitle(const std::string& title) override;
    void showShare(const std::string& line, const std::string& caption, const std::string& copied) override;
    void copyText(const std::string& text) override;
};

} // namespace kelvaro

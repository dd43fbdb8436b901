// SPDX-License-Identifier: GPL-3.0-or-later
// The game's modal boxes in Qt: opened without a nested event loop, answered through callbacks.
#pragma once

#include "game/engine/images.h"
#include "game/ports/dialogs.h"

#include <QPointer>
#include <QWidget>

class QProgressDialog;

namespace kelvaro {

class QtDialogs : public Dialogs {
public:
    // The chooser draws its thumbnails with `images`.
    QtDialogs(QWidget* owner, const Images& images) : owner_(owner), images_(images) {}

    void confirm(const Message& text, const Message& title, std::function<void(bool yes)> done) override;
    void inputBox(const Message& prompt, const Message& title,
                  std::function<void(const std::string& answer)> done) override;
    void message(const Message& text, std::function<void()> done) override;
    void showHelp(std::function<void()> done) override;
    void showAbout(std::function<void()> done) override;
    void showRecords(const RecordsShown& shown, std::function<void()> done) override;
    void updateRecords(const RecordsShown& shown) override;
    void chooseLevel(const ChooserRequest& request, std::function<void(std::optional<LevelChoice>)> done) override;
    void updateChooser() override;
    void pickFolder(std::function<void(std::optional<std::filesystem::path>)> done) override;
    void askPuzzle(forge::Grade grade, std::function<void(std::optional<PuzzleAsk>)> done) override;
    void showProgress(const Message& title, std::function<void()> cancelled) override;
    void setProgress(double share) override;
    void endProgress() override;
    void chooseKeys(const PlayerKeys& keys, std::function<void(std::optional<PlayerKeys>)> done) override;

    // The keys the Help names.
    const PlayerKeys* keys_in_use = nullptr;

    // Where "Open level folder…" starts.
    std::filesystem::path first_folder;

    // Called after any box closes, so the window can run what the answer made due.
    std::function<void()> after_close;

private:
    QPointer<QWidget> owner_;
    const Images& images_;
    QPointer<class RecordsWindow> records_;
    QPointer<class LevelChooser> chooser_;
    QPointer<QProgressDialog> progress_;
};

} // namespace kelvaro

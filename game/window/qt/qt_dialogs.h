// SPDX-License-Identifier: GPL-3.0-or-later
// The game's modal boxes in Qt: opened without a nested event loop, answered through callbacks.
#pragma once

#include "game/window/dialogs.h"

#include <QPointer>
#include <QWidget>

namespace kelvaro {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* owner) : owner_(owner) {}

    void confirm(const std::string& text, const std::string& title, std::function<void(bool yes)> done) override;
    void inputBox(const std::string& prompt, const std::string& title,
                  std::function<void(const std::string& answer)> done) override;
    void message(const std::string& text, std::function<void()> done) override;
    void showHelp(std::function<void()> done) override;
    void showAbout(std::function<void()> done) override;
    void showRecords(const std::vector<RecordRow>& rows, std::function<void()> done) override;
    void updateRecords(const std::vector<RecordRow>& rows) override;

    // Called after any box closes, so the window can run what the answer made due.
    std::function<void()> after_close;

private:
    QPointer<QWidget> owner_;
    QPointer<class RecordsWindow> records_;
};

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// Options > Keys: a row an action with its keys, the ready sets, and the controller's buttons on a second page.
#pragma once

#include "game/ports/key_bindings.h"

#include <QDialog>
#include <QPushButton>

#include <array>
#include <functional>

class QComboBox;
class QLabel;

namespace kelvaro {

// A key of the bindings: clicked, it waits for the next key pressed and names it. A modifier
// key is taken when it comes up alone; Esc stops waiting.
class KeyCell : public QPushButton {
    Q_OBJECT
public:
    explicit KeyCell(QWidget* parent);
    std::function<void(const std::string& name)> chosen;
    void showKey(const QString& name);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void stopWaiting();
    QString name_;
};

class KeysDialog : public QDialog {
    Q_OBJECT
public:
    KeysDialog(const PlayerKeys& keys, QWidget* parent);

    const PlayerKeys& chosen() const { return keys_; }
    // OK keeps the box open while a key does two things, and says which.
    void accept() override;

private:
    QWidget* keyboardPage();
    QWidget* padPage();
    // Sets the action's `slot`th key; a key it has already is not taken twice.
    void choose(KeyAction action, std::size_t slot, const std::string& name);
    void useKeys(const KeyBindings& keys);
    void showKeys();

    PlayerKeys keys_;
    std::array<std::array<KeyCell*, 2>, key_actions.size()> cells_{};
    std::array<QComboBox*, key_actions.size()> buttons_{};
    QLabel* refusal_ = nullptr;
};

} // namespace kelvaro

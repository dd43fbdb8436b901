// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's keys and controller commands, read through the bindings the player chose.
#include "game/desktop/main_window.h"

#include "game/desktop/key_names.h"
#include "game/desktop/key_settings.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace kelvaro {
void MainWindow::readKeys()
{
    if (settings_file_)
        model_->setPlayerKeys(readPlayerKeys(QString::fromStdString(settings_file_->string())));
}

void MainWindow::keysChosen(const PlayerKeys& keys)
{
    keys_.clear();  // a key held now may mean another on its release
    held_keys_.clear();
    controllers_->bind(keys.pad);
    if (settings_file_)
        keepPlayerKeys(QString::fromStdString(settings_file_->string()), keys);
}

void MainWindow::padCommand(PadCommand command)
{
    // As with keys typed into a box, the controller's commands wait until it is closed.
    if (QApplication::activeModalWidget())
        return;
    switch (command) {
    case PadCommand::pause: model_->onCharacterKey(characterFor(KeyAction::pause, 0)); break;
    case PadCommand::takeBack: model_->onCharacterKey(characterFor(KeyAction::takeBack, 0)); break;
    case PadCommand::hint: model_->onCharacterKey(characterFor(KeyAction::hint, 0)); break;
    case PadCommand::redo: model_->post(Command::redoItem); break;
    case PadCommand::newGame: model_->post(Command::newGameItem); break;
    case PadCommand::pressFocused:
        // Enter's job on the keyboard: the focused Next or Retry, once a level has ended.
        for (const ButtonControl* model : {&model_->controls.nextButton, &model_->controls.retryButton}) {
            QPushButton* button = buttonFor(model);
            if (button == focusWidget() && button->isVisible())
                button->click();
        }
        break;
    }
    sync();
}

// A key held down walks or pushes until it comes up.
bool MainWindow::holdKey(QKeyEvent* event, bool pressed, std::optional<Key> key)
{
    const int qt_key = event->key();
    if (!event->isAutoRepeat() && (pressed ? key.has_value() : held_keys_.holds(qt_key))) {
        if (pressed)
            model_->cancelPointer();  // the keyboard takes over from a click
        const auto [which, down] = pressed ? held_keys_.press(qt_key, *key) : held_keys_.release(qt_key);
        keys_.set(which, down);
        sync();  // a key down ends the play loop's rest
    }
    // Keys that walk must not move the focus between buttons, nor type into them.
    return !modifierKey(qt_key);
}

bool MainWindow::handleKey(QKeyEvent* event, bool pressed)
{
    if (pressed && event->key() == Qt::Key_Escape && full_screen_)
        setFullScreen(false);  // and on to the game, as any other key
    const KeyBindings& bindings = model_->playerKeys().keyboard;
    std::optional<KeyAction> action = bindings.action(keyName(*event, true).toStdString());
    if (!action)
        action = bindings.action(keyName(*event, false).toStdString());
    if ((action && heldAction(*action)) || (!pressed && held_keys_.holds(event->key())))
        return holdKey(event, pressed, action ? heldKey(*action) : std::nullopt);
    if (!pressed)
        return false;
    if (action == KeyAction::redo) {
        run(Command::redoItem);
        return false;
    }
    // Backspace takes back a move; not every platform gives it a character.
    const bool backspace = event->key() == Qt::Key_Backspace;
    const bool typed = backspace || (event->text().size() == 1 && event->text()[0].unicode() < 128);
    if (action || typed) {
        const char character = backspace ? '\b' : typed ? static_cast<char>(event->text()[0].unicode()) : '\0';
        model_->onCharacterKey(characterFor(action, character));
        sync();
    }
    return false;
}

} // namespace kelvaro

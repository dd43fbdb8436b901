// SPDX-License-Identifier: GPL-3.0-or-later
// Options > Keys: the keys and buttons of each action, set by pressing them or from a ready set.
#include "game/desktop/keys_dialog.h"

#include "game/desktop/controller/game_controllers.h"
#include "game/desktop/key_names.h"
#include "i18n/translation.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kelvaro {

KeyCell::KeyCell(QWidget* parent) : QPushButton(parent)
{
    setCheckable(true);
    setAutoDefault(false);
    connect(this, &QPushButton::toggled, this, [this](bool waiting) {
        setText(waiting ? tr("Press a key…") : name_);
    });
}

void KeyCell::showKey(const QString& name)
{
    name_ = name;
    setChecked(false);
    setText(name_);
}

void KeyCell::stopWaiting() { setChecked(false); }

// While it waits, the cell takes every key before any shortcut or the box's own Enter and Esc.
bool KeyCell::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && isChecked()) {
        event->accept();
        return true;
    }
    return QPushButton::event(event);
}

void KeyCell::keyPressEvent(QKeyEvent* event)
{
    if (!isChecked()) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Escape)
        stopWaiting();
    else if (!modifierKey(event->key()) && knownKeyName(chosenKeyName(*event).toStdString()) && chosen)
        chosen(chosenKeyName(*event).toStdString());
}

void KeyCell::keyReleaseEvent(QKeyEvent* event)
{
    // A modifier that comes up without another key pressed meanwhile is the key chosen.
    if (isChecked() && modifierKey(event->key()) && !event->isAutoRepeat() && chosen)
        chosen(keyName(*event, false).toStdString());
    else
        QPushButton::keyReleaseEvent(event);
}

void KeyCell::focusOutEvent(QFocusEvent* event)
{
    stopWaiting();
    QPushButton::focusOutEvent(event);
}

KeysDialog::KeysDialog(const PlayerKeys& keys, QWidget* parent) : QDialog(parent), keys_(keys)
{
    setWindowTitle(tr("Keys"));
    auto* pages = new QTabWidget(this);
    pages->addTab(keyboardPage(), tr("Keyboard"));
    pages->addTab(padPage(), tr("Controller"));
    refusal_ = new QLabel(this);
    refusal_->setObjectName("refusal");
    refusal_->setWordWrap(true);
    QPalette palette = refusal_->palette();
    palette.setColor(QPalette::WindowText, Qt::darkRed);
    refusal_->setPalette(palette);
    auto* answer = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(answer, &QDialogButtonBox::accepted, this, &KeysDialog::accept);
    connect(answer, &QDialogButtonBox::rejected, this, &KeysDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(refusal_);
    layout->addWidget(answer);
    showKeys();
}

QWidget* KeysDialog::keyboardPage()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(tr("Key"), page), 0, 1);
    grid->addWidget(new QLabel(tr("Second key"), page), 0, 2);
    for (std::size_t a = 0; a < key_actions.size(); ++a) {
        const KeyAction action = key_actions[a];
        const int row = static_cast<int>(a) + 1;
        grid->addWidget(new QLabel(i18n::shown(actionWords(action)), page), row, 0);
        for (std::size_t slot = 0; slot < 2; ++slot) {
            KeyCell* cell = cells_[a][slot] = new KeyCell(page);
            cell->setObjectName(QString("key:%1:%2").arg(settingsName(action)).arg(slot));
            cell->chosen = [this, action, slot](const std::string& name) { choose(action, slot, name); };
            grid->addWidget(cell, row, static_cast<int>(slot) + 1);
        }
        auto* clear = new QPushButton(tr("Clear"), page);
        clear->setObjectName(QString("clear:%1").arg(settingsName(action)));
        clear->setAutoDefault(false);
        connect(clear, &QPushButton::clicked, this, [this, action] {
            keys_.keyboard.set(action, {});
            showKeys();
        });
        grid->addWidget(clear, row, 3);
    }
    auto* sets = new QHBoxLayout;
    const std::pair<QString, KeyBindings> ready[] = {{tr("Arrows"), KeyBindings::arrows()},
                                                     {tr("WASD"), KeyBindings::wasd()},
                                                     {tr("HJKL"), KeyBindings::hjkl()},
                                                     {tr("Defaults"), KeyBindings::defaults()}};
    for (const auto& [caption, keys] : ready) {
        auto* button = new QPushButton(caption, page);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, keys = keys] { useKeys(keys); });
        sets->addWidget(button);
    }
    grid->addLayout(sets, static_cast<int>(key_actions.size()) + 1, 0, 1, 4);
    return page;
}

QWidget* KeysDialog::padPage()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(tr("Button"), page), 0, 1);
    for (std::size_t a = 0; a < key_actions.size(); ++a) {
        const KeyAction action = key_actions[a];
        grid->addWidget(new QLabel(i18n::shown(actionWords(action)), page), static_cast<int>(a) + 1, 0);
        QComboBox* box = buttons_[a] = new QComboBox(page);
        box->setObjectName(QString("button:%1").arg(settingsName(action)));
        box->addItem(QStringLiteral("—"));
        for (const std::string& name : GameControllers::bindableButtons())
            box->addItem(QString::fromStdString(name));
        connect(box, &QComboBox::activated, this, [this, action, box](int index) {
            keys_.pad.set(action, index > 0 ? KeyBindings::Names{box->itemText(index).toStdString()} : KeyBindings::Names{});
            refusal_->clear();
        });
        grid->addWidget(box, static_cast<int>(a) + 1, 1);
    }
    auto* defaults = new QPushButton(tr("Defaults"), page);
    defaults->setAutoDefault(false);
    connect(defaults, &QPushButton::clicked, this, [this] {
        keys_.pad = KeyBindings::padDefaults();
        showKeys();
    });
    grid->addWidget(defaults, static_cast<int>(key_actions.size()) + 1, 0, 1, 2);
    return page;
}

void KeysDialog::choose(KeyAction action, std::size_t slot, const std::string& name)
{
    KeyBindings::Names names = keys_.keyboard.keys(action);
    if (std::find(names.begin(), names.end(), name) == names.end()) {
        if (slot < names.size())
            names[slot] = name;
        else
            names.push_back(name);
        keys_.keyboard.set(action, names);
    }
    showKeys();
}

void KeysDialog::useKeys(const KeyBindings& keys)
{
    keys_.keyboard = keys;
    showKeys();
}

void KeysDialog::showKeys()
{
    for (std::size_t a = 0; a < key_actions.size(); ++a) {
        const KeyBindings::Names& names = keys_.keyboard.keys(key_actions[a]);
        for (std::size_t slot = 0; slot < 2; ++slot)
            cells_[a][slot]->showKey(slot < names.size() ? QString::fromStdString(names[slot]) : QString());
        const KeyBindings::Names& button = keys_.pad.keys(key_actions[a]);
        buttons_[a]->setCurrentIndex(button.empty() ? 0 : std::max(buttons_[a]->findText(QString::fromStdString(button[0])), 0));
    }
    refusal_->clear();
}

void KeysDialog::accept()
{
    for (const KeyBindings* keys : {&keys_.keyboard, &keys_.pad})
        if (const std::optional<Message> fault = keys->fault()) {
            refusal_->setText(i18n::shown(*fault));
            return;
        }
    QDialog::accept();
}

} // namespace kelvaro

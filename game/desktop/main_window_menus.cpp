// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus: built in the language chosen, and their items enabled and checked as the model says.
#include "game/desktop/main_window.h"

#include "i18n/translation.h"

#include <QActionGroup>
#include <QPushButton>
#include <QMenuBar>

namespace kelvaro {

QAction* MainWindow::addItem(QMenu* menu, const QString& caption, const QKeySequence& key, Command command)
{
    QAction* action = menu->addAction(caption);
    action->setShortcut(key);
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, [this, command] { run(command); });
    actions_[command] = action;
    return action;
}

void MainWindow::buildMenus()
{
    QMenu* game = menuBar()->addMenu(tr("Game"));
    addItem(game, tr("New game"), Qt::Key_F2, Command::newGameItem);
    addItem(game, tr("End game"), Qt::Key_F4, Command::endGameItem);
    addItem(game, tr("Restart level"), Qt::Key_F3, Command::restartLevelItem);
    addItem(game, tr("Exit"), QKeySequence(Qt::CTRL | Qt::Key_X), Command::exitItem);
    addItem(game, tr("Records"), QKeySequence(), Command::recordsItem);
    addItem(game, tr("Choose level…"), QKeySequence(Qt::CTRL | Qt::Key_L), Command::chooseLevelItem);
    addItem(game, tr("Open level folder…"), QKeySequence(), Command::openFolderItem);
    addItem(game, tr("Generated puzzle…"), QKeySequence(Qt::CTRL | Qt::Key_G), Command::generatedItem);
    addItem(game, tr("Daily puzzle"), QKeySequence(Qt::CTRL | Qt::Key_D), Command::dailyItem);
    addItem(game, tr("Keep this level"), QKeySequence(Qt::CTRL | Qt::Key_K), Command::keepLevelItem);
    addItem(game, tr("Redo"), QKeySequence(), Command::redoItem);
    addItem(game, tr("Replay my solution"), QKeySequence(), Command::replayItem);
    addItem(game, tr("Show a solution"), QKeySequence(), Command::showSolutionItem);
    addItem(game, tr("Copy level"), QKeySequence(Qt::CTRL | Qt::Key_C), Command::copyLevelItem);
    addItem(game, tr("Paste level"), QKeySequence(Qt::CTRL | Qt::Key_V), Command::pasteLevelItem);
    QMenu* options = menuBar()->addMenu(tr("Options"));
    addItem(options, tr("Sound"), QKeySequence(Qt::CTRL | Qt::Key_M), Command::soundItem)->setCheckable(true);
    buildViewItems(options);
    buildLanguageMenu(options);
    addItem(options, tr("Keys…"), QKeySequence(), Command::keysItem);
    QMenu* help = menuBar()->addMenu(tr("Help"));
    addItem(help, tr("Game help"), Qt::Key_F1, Command::helpItem);
    addItem(help, tr("About..."), Qt::Key_F5, Command::aboutItem);
    addItem(help, tr("Hint"), QKeySequence(), Command::hintItem);
}

void MainWindow::buildLanguageMenu(QMenu* options)
{
    QMenu* menu = options->addMenu(tr("Language"));
    auto* group = new QActionGroup(menu);
    // Kept in the settings file where the window keeps any (none in tests).
    const QString file = settings_file_ ? QString::fromStdString(settings_file_->string()) : QString();
    const QString chosen = settings_file_ ? i18n::chosenLanguage(file) : QString();
    auto add = [&](const QString& name, const QString& code) {
        QAction* action = menu->addAction(name);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        action->setData(code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code, file] {
            if (settings_file_)
                i18n::chooseLanguage(code, file);
            i18n::install(code);
            // Not from inside the menu whose actions the new menus replace.
            QTimer::singleShot(0, this, &MainWindow::retranslate);
        });
    };
    add(tr("Desktop language"), QString());
    for (const QString& code : i18n::available())
        add(i18n::nativeName(code), code);
}

void MainWindow::retranslate()
{
    for (QMenu* menu : menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
        menu->deleteLater();
    menuBar()->clear();
    actions_.clear();
    buildMenus();
    showViewItems();
    for (auto& button : buttons_) {
        button.widget->setText(i18n::shown(button.model->caption));
        button.shown = ~0u;  // measured again for its new text
    }
    for (auto& label : labels_)
        label.shown = ~0u;
    shown_menus_ = ~0u;  // new items, to be enabled and checked as the model says
    shown_runs_ = ~0u;
    sync();
}

void MainWindow::showMenus()
{
    Controls& c = model_->controls;
    if (shown_menus_ != c.menuChanges()) {
        shown_menus_ = c.menuChanges();
        const std::pair<Command, const MenuItem*> items[] = {
            {Command::newGameItem, &c.newGameItem}, {Command::endGameItem, &c.endGameItem},
            {Command::restartLevelItem, &c.restartLevelItem}, {Command::exitItem, &c.exitItem},
            {Command::soundItem, &c.soundItem}, {Command::helpItem, &c.helpItem}, {Command::aboutItem, &c.aboutItem}};
        for (auto [command, item] : items) {
            actions_[command]->setEnabled(item->enabled);
            actions_[command]->setChecked(item->checked);
        }
    }
    // Keep this level and the title change only as a level starts, stops or ends.
    if (shown_runs_ == model_->engine.runs())
        return;
    shown_runs_ = model_->engine.runs();
    actions_[Command::keepLevelItem]->setEnabled(model_->canKeep());
    // A generated puzzle's code beside it, in the title: the playfield's picture stays as it is.
    const std::optional<std::string> code = model_->codeInPlay();
    const QString title = code ? QStringLiteral("KELVARO — ") + QString::fromStdString(*code) : QStringLiteral("KELVARO");
    if (windowTitle() != title)
        setWindowTitle(title);
}

} // namespace kelvaro

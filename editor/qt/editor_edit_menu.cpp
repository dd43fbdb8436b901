// SPDX-License-Identifier: GPL-3.0-or-later
// The editor window's Edit menu: undo and redo, and the level copied and pasted through the system clipboard.
#include "editor/qt/editor_window.h"

#include "i18n/translation.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>

namespace kelvaro {
namespace {

// To the right of the palette, where the designed window leaves room.
constexpr QPoint edit_menu_at{320, 31};

class SystemClipboard : public ClipboardPort {
public:
    void setText(const std::string& text) override { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); }
    std::string text() const override { return QGuiApplication::clipboard()->text().toStdString(); }
};

} // namespace

void EditorWindow::buildEditMenu()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName("editMenuBar");
    bar->setNativeMenuBar(false);  // inside the window, as drawn
    QMenu* edit = bar->addMenu(tr("Edit"));
    // Undo and Redo keep their own keys, which the boxes take first for their typing.
    edit->addAction(tr("Undo"), this, &EditorWindow::undo);
    edit->addAction(tr("Redo"), this, &EditorWindow::redo);
    edit->addSeparator();
    edit->addAction(tr("Copy level"), QKeySequence(Qt::CTRL | Qt::Key_C), this, &EditorWindow::copyLevel);
    edit->addAction(tr("Paste level"), QKeySequence(Qt::CTRL | Qt::Key_V), this, &EditorWindow::pasteLevel);
    bar->setGeometry(QRect(edit_menu_at, bar->sizeHint()));
}

void EditorWindow::copyLevel()
{
    SystemClipboard clipboard;
    state_.copyLevel(clipboard);
}

void EditorWindow::pasteLevel()
{
    stopSolution();
    const SystemClipboard clipboard;
    const CommandResult result = state_.pasteLevel(clipboard);
    mirror();
    levelEdited();
    if (!result.ok())
        message_sink_(i18n::shown(result.message));
}

} // namespace kelvaro

// SPDX-License-Identifier: GPL-3.0-or-later
// The Help and About windows: lines of yellow text on dark red, printed once when the window is made.
#pragma once

#include "game/ports/key_bindings.h"

#include <QDialog>
#include <QStringList>

namespace kelvaro {

class TextWindow : public QDialog {
    Q_OBJECT
public:
    // A window that `grows` is made wide and tall enough for its lines, as a translated one always is.
    TextWindow(const QString& caption, QSize client, QStringList lines, QWidget* parent = nullptr, bool grows = false);

    const QStringList& lines() const { return lines_; }

    // The Help naming the keys in use.
    static TextWindow* help(QWidget* parent, const KeyBindings& keys = KeyBindings::defaults());
    static TextWindow* about(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList lines_;
};

} // namespace kelvaro

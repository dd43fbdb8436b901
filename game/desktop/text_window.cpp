// SPDX-License-Identifier: GPL-3.0-or-later
// The Help and About windows and their texts.
#include "game/desktop/text_window.h"

#include "game/play/window_text.h"
#include "i18n/translation.h"

#include <QPainter>

#include <algorithm>

namespace kelvaro {

TextWindow::TextWindow(const QString& caption, QSize client, QStringList lines, QWidget* parent, bool grows)
    : QDialog(parent), lines_(std::move(lines))
{
    setWindowTitle(caption);
    setFixedSize(client);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(64, 0, 0));
    palette.setColor(QPalette::WindowText, QColor(255, 255, 0));
    setPalette(palette);
    setAutoFillBackground(true);
    QFont font("Liberation Sans");
    font.setPixelSize(11);  // the system's default dialog font size at 96 dpi
    setFont(font);
    if (i18n::active() || grows) {
        // A translation longer than the English text grows the window rather than being cut off.
        const QFontMetrics metrics(font);
        int width = client.width();
        for (const QString& line : lines_)
            width = std::max(width, metrics.horizontalAdvance(line) + 4);
        setFixedSize(width, std::max(client.height(), metrics.height() * static_cast<int>(lines_.size()) + 2));
    }
}

void TextWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    int top = 0;
    for (const QString& line : lines_) {
        painter.drawText(0, top + metrics.ascent(), line);
        top += metrics.height();
    }
}

namespace {

QStringList shownLines(const WindowText& text)
{
    QStringList lines;
    for (const Message& line : text.lines)
        lines << i18n::shown(line);
    return lines;
}

} // namespace

TextWindow* TextWindow::help(QWidget* parent, const KeyBindings& keys)
{
    const WindowText text = helpText(keys);
    // The game's own keys keep the window as it was designed; others may make a line longer.
    const bool own_keys = text.lines == helpText().lines;
    return new TextWindow(i18n::shown(text.title), QSize(196, 114), shownLines(text), parent, !own_keys);
}

TextWindow* TextWindow::about(QWidget* parent)
{
    const WindowText text = aboutText();
    return new TextWindow(i18n::shown(text.title), QSize(280, 56), shownLines(text), parent);
}

} // namespace kelvaro

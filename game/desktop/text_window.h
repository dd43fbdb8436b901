// SPDX-License-Identifier: GPL-3.0-or-later
// The Help and About windows: lines of yellow text on dark red, printed once when the window is made.
#pragma once

#include <QDialog>
#include <QStringList>

namespace kelvaro {

class TextWindow : public QDialog {
    Q_OBJECT
public:
    TextWindow(const QString& caption, QSize client, QStringList lines, QWidget* parent = nullptr);

    const QStringList& lines() const { return lines_; }

    static TextWindow* help(QWidget* parent);
    static TextWindow* about(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList lines_;
};

} // namespace kelvaro

// The game's main window: caption, black client area of fixed size, green text.
#include "main_window.h"

#include <QLayout>
#include <QPalette>

namespace kelvaro {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), client_(new QWidget(this))
{
    setWindowTitle("KELVARO");
    client_->setFixedSize(client_width, client_height);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, QColor(0, 255, 0));
    client_->setPalette(palette);
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace kelvaro

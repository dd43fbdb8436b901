// The game's main window, Form1.
#pragma once

#include <QMainWindow>

namespace kelvaro {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int client_width = 737;
    static constexpr int client_height = 534;

    explicit MainWindow(QWidget* parent = nullptr);

    QWidget* clientArea() const { return client_; }

private:
    QWidget* client_;
};

} // namespace kelvaro

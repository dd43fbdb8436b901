// The level editor's window, Form1.
#pragma once

#include <QWidget>

namespace kelvaro {

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int client_width = 775;
    static constexpr int client_height = 546;

    explicit EditorWindow(QWidget* parent = nullptr);
};

} // namespace kelvaro

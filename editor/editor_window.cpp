// The level editor's window: caption and client area.
#include "editor_window.h"

namespace kelvaro {

EditorWindow::EditorWindow(QWidget* parent) : QWidget(parent)
{
    setWindowTitle("Kelvaro level editor v1.00");
    setFixedSize(client_width, client_height);
}

} // namespace kelvaro

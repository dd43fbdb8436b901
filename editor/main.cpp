// kel_edit, the Kelvaro level editor.
#include "editor/editor_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    kelvaro::EditorWindow window;
    window.show();
    return app.exec();
}

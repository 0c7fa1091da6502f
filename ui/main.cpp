// korvelan: the desktop game. The window opens on its welcome panel; the
// "Damier 2D" button loads what the game needs and starts the play loop.
#include "ui/Unit1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvelan 3D Analyse");
    kv::TForm1 form(QCoreApplication::applicationDirPath());
    // The window opens maximised, so the board gets the room the screen has.
    form.showMaximized();
    return QApplication::exec();
}

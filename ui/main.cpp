// korvelan: the desktop game. The window opens on its welcome panel; the
// "Damier 2D" button loads what the game needs and starts the play loop.
#include "game/session.h"
#include "ui/command_line.h"
#include "ui/main_window.h"
#include "ui/remembered_settings.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The name of the user's data folder (~/.local/share/Korvelan). No
    // display name: Qt would add it to every window's title, in no language
    // of the interface; each window's title is its own, translated.
    QApplication::setApplicationName("Korvelan");
    QApplication::setDesktopFileName("org.korvelan.Korvelan");
    QApplication::setApplicationVersion(KV_VERSION);
    const kv::CommandLine line = kv::parseCommandLine(QApplication::arguments());
    if (line.exitStatus) return kv::finishCommandLine(line);
    kv::GameSession session(kv::DataPaths::forApplication());
    kv::MainWindow form(session);
    // The window opens where it was last, else maximised, so that the board
    // gets the room the screen has; the options set once come back with it.
    const kv::RememberedSettings remembered(session.paths().userDataPath("korvelan.ini"));
    remembered.restore(form);
    kv::startWith(form, line);
    const int status = QApplication::exec();
    remembered.save(form);
    return status;
}

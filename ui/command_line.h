// The window's command line: `korvelan [--lang CODE] [FILE]`. A file given
// there (a game file, a text game or a PDN, as the file manager passes it)
// is opened on the flat board past the welcome panel; --lang starts in one of
// the six languages.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kv {

class MainWindow;

struct CommandLine {
    QString file;      // empty: the welcome panel as usual
    int language = -1; // a language index; -1 keeps the last run's
    // Set when the program ends without a window: --help and --version
    // (status 0, the text for standard output) or a bad argument (status 2,
    // the reason for standard error).
    std::optional<int> exitStatus;
    QString message;
};

// Reads the arguments (the program's name first). The help is in the
// language of the system when it is one of the six, else in English.
CommandLine parseCommandLine(const QStringList& arguments);

// Prints the message of a command line that ends the program; returns its status.
int finishCommandLine(const CommandLine& line);

// Carries the command line out on the shown window: the language at once,
// then the file on the flat board when the event loop next runs. A file that cannot be read is
// reported as the "Ouvrir" commands report it, and the window stays on its board.
void startWith(MainWindow& window, const CommandLine& line);

// A file is one of our game files by its suffix (.dam) or by its exact size;
// anything else is read as a text or PDN game.
bool isGameFile(const QString& path);

} // namespace kv

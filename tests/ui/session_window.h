// A main window with the session it shows, built and destroyed together, as
// the program does in main(); tests construct it like a plain window.
#pragma once

#include "game/session.h"
#include "ui/main_window.h"

#include <QStandardPaths>

namespace kv {

struct SessionHolder {
    explicit SessionHolder(const DataPaths& paths) : ownSession(paths) { }
    GameSession ownSession;
};

class TestWindow : private SessionHolder, public MainWindow {
public:
    // Shipped data from `programDir`, files written to the user's folder.
    explicit TestWindow(const QString& programDir)
        : TestWindow(DataPaths(programDir,
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)))
    {
    }
    // Every question is answered "yes" unless a test answers it itself.
    explicit TestWindow(const DataPaths& paths) : SessionHolder(paths), MainWindow(ownSession)
    {
        setConfirmer([](const QString&) { return true; });
    }
};

} // namespace kv

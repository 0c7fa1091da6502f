// kv-screenshots: pictures of the real window for the software centres'
// listing, drawn offscreen with the shipped data: a game on the flat board,
// then the same game on a board pictured in 3D.
//   kv-screenshots PROGRAM_DIR GAME.pdn OUT_DIR WIDTH HEIGHT
#include "game/session.h"
#include "ui/languages.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Lets the window lay itself out and paint what changed.
void settle()
{
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
}

bool save(kv::MainWindow& window, const QString& path)
{
    settle();
    if (window.grab().save(path, "PNG")) return true;
    std::fprintf(stderr, "kv-screenshots: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 6) {
        std::fprintf(stderr, "usage: kv-screenshots PROGRAM_DIR GAME.pdn OUT_DIR WIDTH HEIGHT\n");
        return 2;
    }
    const QString programDir = argv[1], game = argv[2], out = argv[3];
    // A user folder of its own: nothing of the person running the build is read or written.
    QTemporaryDir user;
    kv::GameSession session(kv::DataPaths(programDir, user.path()));
    kv::MainWindow window(session);
    QString problem;
    window.setErrorSink([&problem](const QString& text) { problem = text; });
    window.setExternalLoop(true);
    window.resize(QString(argv[4]).toInt(), QString(argv[5]).toInt());
    window.show();
    // In English, the language of the listing's texts.
    window.applyLanguage(kv::English);
    window.startWithFlatBoard();
    window.openExchangeFile(game);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "kv-screenshots: %s: %s\n", qPrintable(game), qPrintable(problem));
        return 1;
    }
    QDir().mkpath(out);
    if (!save(window, out + "/korvelan-board-2d.png")) return 1;
    auto* theme = window.findChild<QAction*>("Damier3D2");
    if (!theme) return 1;
    theme->trigger();
    return save(window, out + "/korvelan-board-3d.png") ? 0 : 1;
}

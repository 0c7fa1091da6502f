// kv-screenshots: pictures of the real window drawn offscreen with the
// shipped data. For the software centres' listing: a game on the flat board,
// then the same game on a board pictured in 3D.
//   kv-screenshots PROGRAM_DIR GAME.pdn OUT_DIR WIDTH HEIGHT
// For the help pages: the window with the game in each language
// (help_window_<language>.png) and the boards of the 3D themes the guide
// shows (help_theme_<n>.png).
//   kv-screenshots --help PROGRAM_DIR GAME.pdn OUT_DIR
#include "game/session.h"
#include "ui/languages.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

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

// Shows the window at the given size on the flat board with the game open, in
// the given language if any; false, said on stderr, when the game cannot be read.
bool showGame(kv::MainWindow& window, const QString& game, int width, int height,
              std::optional<kv::Language> language)
{
    QString problem;
    window.setErrorSink([&problem](const QString& text) { problem = text; });
    window.setExternalLoop(true);
    window.resize(width, height);
    window.show();
    if (language) window.applyLanguage(*language);
    window.startWithFlatBoard();
    window.openExchangeFile(game);
    // Later messages must not open a box nobody can close.
    window.setErrorSink([](const QString& text) {
        std::fprintf(stderr, "kv-screenshots: %s\n", qPrintable(text));
    });
    if (problem.isEmpty()) return true;
    std::fprintf(stderr, "kv-screenshots: %s: %s\n", qPrintable(game), qPrintable(problem));
    return false;
}

// The themes the guide shows, by number.
constexpr int kHelpThemes[] = { 1, 3, 6, 7 };

int helpPictures(const QString& programDir, const QString& game, const QString& out)
{
    QTemporaryDir user;
    kv::GameSession session(kv::DataPaths(programDir, user.path()));
    kv::MainWindow window(session);
    if (!showGame(window, game, 1000, 640, std::nullopt)) return 1;
    QDir().mkpath(out);
    for (const kv::LanguageEntry& e : kv::kLanguageTable) {
        window.applyLanguage(e.index);
        const QString code = QString::fromLatin1(e.code.data(), static_cast<int>(e.code.size()));
        if (!save(window, out + "/help_window_" + code + ".png")) return 1;
    }
    for (int theme : kHelpThemes) {
        auto* action = window.findChild<QAction*>(QString("Damier3D%1").arg(theme));
        auto* board = window.findChild<QWidget*>("DamierImage1");
        if (!action || !board) return 1;
        action->trigger();
        settle();
        const QString path = out + QString("/help_theme_%1.png").arg(theme);
        // Without the clocks at the left, whose words are in one language.
        const QRect room = board->rect().adjusted(board->width() * 33 / 200, 0, 0, 0);
        if (!board->grab(room).scaledToWidth(400, Qt::SmoothTransformation).save(path, "PNG")) {
            std::fprintf(stderr, "kv-screenshots: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 5 && QString(argv[1]) == "--help") return helpPictures(argv[2], argv[3], argv[4]);
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: kv-screenshots PROGRAM_DIR GAME.pdn OUT_DIR WIDTH HEIGHT\n"
                     "       kv-screenshots --help PROGRAM_DIR GAME.pdn OUT_DIR\n");
        return 2;
    }
    const QString programDir = argv[1], game = argv[2], out = argv[3];
    // A user folder of its own: nothing of the person running the build is read or written.
    QTemporaryDir user;
    kv::GameSession session(kv::DataPaths(programDir, user.path()));
    kv::MainWindow window(session);
    // In English, the language of the listing's texts.
    if (!showGame(window, game, QString(argv[4]).toInt(), QString(argv[5]).toInt(), kv::English))
        return 1;
    QDir().mkpath(out);
    if (!save(window, out + "/korvelan-board-2d.png")) return 1;
    auto* theme = window.findChild<QAction*>("Damier3D2");
    if (!theme) return 1;
    theme->trigger();
    return save(window, out + "/korvelan-board-3d.png") ? 0 : 1;
}

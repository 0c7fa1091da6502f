#include "game/session.h"

#include "io/keep_aside.h"
#include "openings/library_sets.h"
#include "players/registry.h"
#include "players/text_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace kv {

namespace {
constexpr const char* kStateFile = "last32.dam";

std::filesystem::path fsPath(const QString& p) { return std::filesystem::path(p.toStdString()); }
} // namespace

// The controller's view for the life of the session: it passes every call on
// to the attached window, and does nothing while none is attached.
class GameSession::ViewRelay : public GameView {
public:
    GameView* view = nullptr;

    void boardChanged() override
    {
        if (view) view->boardChanged();
    }
    void showPanel(GamePanel panel, bool shown) override
    {
        if (view) view->showPanel(panel, shown);
    }
    void showEndMessage(const QString& text) override
    {
        if (view) view->showEndMessage(text);
    }
    void playSound(Sound sound) override
    {
        if (view) view->playSound(sound);
    }
    void refreshStatus() override
    {
        if (view) view->refreshStatus();
    }
    void refreshMoveList() override
    {
        if (view) view->refreshMoveList();
    }
    void showClock(int side, const ClockText& text) override
    {
        if (view) view->showClock(side, text);
    }
    void applyCommandStates(const CommandStates& states) override
    {
        if (view) view->applyCommandStates(states);
    }
    void clearStatistics() override
    {
        if (view) view->clearStatistics();
    }
    void matchRated(const RatedResult* rated) override
    {
        if (view) view->matchRated(rated);
    }
    void analysisChanged() override
    {
        if (view) view->analysisChanged();
    }
    void setupChanged() override
    {
        if (view) view->setupChanged();
    }
    bool clockTimerRunning() const override { return view && view->clockTimerRunning(); }
    void startClockTimer() override
    {
        if (view) view->startClockTimer();
    }
    void stopClockTimer() override
    {
        if (view) view->stopClockTimer();
    }
    void processEvents() override
    {
        if (view) view->processEvents();
    }
    void waitForEvents() override
    {
        if (view) view->waitForEvents();
    }
    void quitApplication() override
    {
        if (view) view->quitApplication();
    }
};

// The window's search observer. While the engine thinks on the user's time
// in a rated match, its root moves and principal line are the user's best
// moves: the window is only told that a search started, and the statistics
// of the engine's last move (whose line holds the user's expected reply) go.
class GameSession::ObserverRelay : public SearchObserver {
public:
    SearchObserver* observer = nullptr;
    GameView* view = nullptr;
    const GameController* controller = nullptr;

    void clearRootLines() override
    {
        if (observer) observer->clearRootLines();
        if (view && hidden()) view->clearStatistics();
    }
    void setRootLine(int index, const RootLine& line) override
    {
        if (observer && !hidden()) observer->setRootLine(index, line);
    }
    void searchInfo(const SearchInfo& info) override
    {
        if (observer && !hidden()) observer->searchInfo(info);
    }
    void clock(SideToMove side, int usedSeconds) override
    {
        if (observer) observer->clock(side, usedSeconds);
    }
    void iterationFinished(int depth, int score) override
    {
        if (observer) observer->iterationFinished(depth, score);
    }

private:
    bool hidden() const
    {
        return controller && controller->pondering() && controller->matchState() == 1;
    }
};

GameSession::GameSession(const DataPaths& paths)
    : paths_(paths), parameters_(defaultParameters()), relay_(std::make_unique<ViewRelay>()),
      observerRelay_(std::make_unique<ObserverRelay>())
{
    // The shipped key file; the learned positions were stored under these
    // keys. Without it the engine uses the same keys built from their seed,
    // and start-up tells the user the file is damaged or missing.
    std::string keyError;
    auto keys = loadHashKeys(paths_.programDataPath("hashkey33.dat").toStdString(), keyError);
    if (!keys) keyError_ = QString::fromStdString(keyError);
    search_
        = std::make_unique<SearchContext>(keys ? *keys : HashKeyTables::generated(), parameters_);
    game_.newGame();
    controller_ = std::make_unique<GameController>(game_, *search_, *relay_);
    observerRelay_->controller = controller_.get();
    observerRelay_->view = relay_.get();
}

GameSession::~GameSession() { detachView(); }

void GameSession::attachView(GameView& view, SearchObserver& observer)
{
    relay_->view = &view;
    observerRelay_->observer = &observer;
    search_->observer = observerRelay_.get();
}

void GameSession::detachView()
{
    relay_->view = nullptr;
    observerRelay_->observer = nullptr;
    search_->observer = nullptr;
}

void GameSession::loadEndgameKnowledge(std::function<void(const std::string&)> report)
{
    // The endgame tables are read on the first probe, "damas.dat" now.
    knowledge_
        = std::make_unique<EndgameKnowledge>(paths_.programDir().toStdString(), std::move(report));
    knowledge_->loadLearnedPositions();
    search_->setKnowledge(*knowledge_);
}

bool GameSession::loadDefaultParameters()
{
    // The user's copy once there is one, so parameters saved as "defaut.par"
    // are the ones the next start uses. Without a readable file the built-in
    // defaults stay in force rather than an all-zero set.
    ParameterSet set = parameters_;
    const QString path = paths_.seededUserFile("parametres/defaut.par");
    if (!loadParameters(set, path.toStdString(), [](const std::string&) {})) return false;
    setParameters(set);
    return true;
}

QStringList GameSession::loadOpeningBooks()
{
    recoverActivePair(fsPath(openingsUserFolder()));
    QStringList failures;
    for (SideToMove side : { White, Black }) {
        OpeningLibrary& lib = openings().forSide(side);
        std::string why;
        if (!readLibrary(fsPath(activeLibraryPath(side)), lib, why)) {
            lib.clear();
            failures << QString::fromStdString(why);
        }
    }
    setBookEnabled(true);
    return failures;
}

void GameSession::setParameters(const ParameterSet& set)
{
    parameters_ = set;
    // The evaluation is prepared at the root of each search: the new set
    // serves the next one.
    controller_->betweenSearches([this, set] { search_->setParameters(set); });
}

void GameSession::setTableSize(int sizeFactor, int depthOffset, bool resize)
{
    // The search reads the table at every node: it changes only between searches.
    controller_->betweenSearches([this, sizeFactor, depthOffset, resize] {
        if (resize && search_->transpositionTable().sizeFactor() != sizeFactor)
            search_->resizeTranspositionTable(sizeFactor, depthOffset);
        else search_->setTableDepthOffset(depthOffset);
    });
}

std::optional<GameFile> GameSession::readStateFile(GameFileError& why, bool& present) const
{
    const QString path = paths_.userDataPath(kStateFile);
    present = QFileInfo::exists(path);
    if (!present) return std::nullopt;
    return ReadGameFile(path.toStdString(), why);
}

bool GameSession::writeStateFile(const StoredSettings& settings, GameFileError& why) const
{
    const QString path = paths_.userDataPath(kStateFile);
    return WriteGameFile(path.toStdString(), gameFileOf(game_, settings), why);
}

std::optional<std::string> GameSession::keepStateFileAside() const
{
    return keepAside(paths_.userDataPath(kStateFile).toStdString());
}

QString GameSession::themeBoardImage(int theme, bool windowSized) const
{
    return paths_.programDataPath(
        QString(windowSized ? "damier%1wi.bmp" : "damier%1i.bmp").arg(theme));
}

QString GameSession::seededPlayersFolder() const
{
    const QString dir = playersFolder();
    QDir().mkpath(dir);
    // The user's registry starts as the shipped pair, copied together so a
    // lone "points.dat" is never paired with names it was not written for.
    const QDir user(dir), shipped(paths_.programDir());
    if (!user.exists(kPlayersFile) && user.absolutePath() != shipped.absolutePath()) {
        bool copied = shipped.exists(kPlayersFile) && shipped.exists(kRatingsFile);
        for (const char* f : { kPlayersFile, kRatingsFile }) {
            if (!copied) break;
            QFile::remove(user.filePath(f));
            copied = QFile::copy(shipped.filePath(f), user.filePath(f));
            QFile(user.filePath(f))
                .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                | QFile::ReadOther);
        }
        std::string error;
        if (!copied && !seedRegistry(fsPath(dir), error)) qWarning("players: %s", error.c_str());
    }
    return dir;
}

QString GameSession::openingSetsFolder() const { return paths_.userFolder(kSetFolder); }

QString GameSession::activeLibraryPath(SideToMove side) const
{
    return paths_.seededUserFile(QString::fromLatin1(activeLibraryFile(side)));
}

} // namespace kv

// The game session: one per program, it owns what a game needs and knows
// where every file lives. The window holds a reference to it, shows what it
// holds and asks it for everything else.
//
//     GameSession session(DataPaths::forApplication());
//     MainWindow window(session);   // attaches itself as the view
//     session.loadEndgameKnowledge(report); ...
#pragma once

#include "engine/endgame_knowledge.h"
#include "engine/hash_keys.h"
#include "engine/search_context.h"
#include "eval/parameters.h"
#include "files/game_file.h"
#include "game/controller.h"
#include "game/data_paths.h"
#include "game/game_view.h"
#include "players/registry.h"
#include "rules/game_state.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace kv {

class GameSession {
public:
    explicit GameSession(const DataPaths& paths);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // The window that shows the game and the engine's thinking; until one is
    // attached (and after it detaches) nothing is shown.
    void attachView(GameView& view, SearchObserver& observer);
    void detachView();

    const DataPaths& paths() const { return paths_; }
    GameState& game() { return game_; }
    const GameState& game() const { return game_; }
    SearchContext& search() { return *search_; }
    const SearchContext& search() const { return *search_; }
    GameController& controller() { return *controller_; }
    const GameController& controller() const { return *controller_; }
    OpeningBook& openings() { return controller_->openings; }
    // The lists the players panel shows; commands that change the files
    // read them again.
    PlayerRegistry& registry() { return registry_; }

    // ---- start-up: the data a game needs, in the order the window loads it
    // Why the shipped hash keys could not be read (the generated ones are
    // used then); empty when they were read.
    const QString& hashKeyError() const { return keyError_; }
    // The endgame tables (read on their first probe) and "damas.dat" now;
    // problems with the files go to `report`.
    void loadEndgameKnowledge(std::function<void(const std::string&)> report);
    EndgameKnowledge* knowledge() { return knowledge_.get(); }
    // The user's "parametres/defaut.par", seeded from the shipped one. False
    // when it cannot be read: the parameters in force stay.
    bool loadDefaultParameters();
    // Both active opening libraries; a library that cannot be read is played
    // empty. Returns why each failed, and turns the book on.
    QStringList loadOpeningBooks();

    // ---- the evaluation parameters
    const ParameterSet& parameters() const { return parameters_; }
    // Takes effect between searches.
    void setParameters(const ParameterSet& set);

    // ---- the engine's settings, changed between searches
    bool bookEnabled() const { return search_->settings.bookEnabled; }
    void setBookEnabled(bool on) { search_->settings.bookEnabled = on; }
    // A size entry of the options: the table is resized between searches
    // when `resize` (else only its ply offset follows).
    void setTableSize(int sizeFactor, int depthOffset, bool resize);
    int tableSizeFactor() const { return search_->transpositionTable().sizeFactor(); }
    void clearTranspositionTable() { search_->clearTranspositionTable(); }
    // Asks a running search to stop; it returns at its next poll.
    void stopSearch() { search_->state.stopRequested = true; }
    bool thinkingOnOpponentsTime() const { return search_->state.unlimitedTime; }

    // ---- the state file "last32.dam": the game of the last run
    // Nothing when there is none (a first start); `why` says what was wrong
    // when one is there and cannot be used.
    std::optional<GameFile> readStateFile(GameFileError& why, bool& present) const;
    bool writeStateFile(const StoredSettings& settings, GameFileError& why) const;
    // Renames an unreadable state file so that quitting never writes over
    // it; the new name, or nothing when it could not be renamed.
    std::optional<std::string> keepStateFileAside() const;

    // ---- where files live
    QString programDir() const { return paths_.programDir(); }
    QString savedGamesFolder() const { return paths_.userFolder("Sauve"); }
    QString parametersFolder() const { return paths_.userFolder("parametres"); }
    QString bestMovesFile() const { return paths_.userDataPath("Bestmove.txt"); }
    QString problemsFolder() const { return paths_.programDataPath("Problemes"); }
    QString boardImagesFolder() const { return paths_.programDataPath("Images1i"); }
    QString boardImage(const QString& name) const
    {
        return paths_.programDataPath("Images1i/" + name);
    }
    // A 3D theme's board picture: "damier3i.bmp", or its window-sized "damier3wi.bmp".
    QString themeBoardImage(int theme, bool windowSized) const;
    // The folder of the player registry and the results history.
    QString playersFolder() const { return paths_.userDir(); }
    // The same folder, where the shipped registry is copied first as a pair
    // (or a new one started) when the user has none yet.
    QString seededPlayersFolder() const;
    QString openingsUserFolder() const { return paths_.userDir(); }
    QString openingSetsFolder() const;
    QString activeLibraryPath(SideToMove side) const;

private:
    DataPaths paths_;
    GameState game_;
    ParameterSet parameters_;
    QString keyError_;
    std::unique_ptr<EndgameKnowledge> knowledge_; // outlives the search that reads it
    std::unique_ptr<SearchContext> search_;
    class ViewRelay;
    std::unique_ptr<ViewRelay> relay_;
    class ObserverRelay;
    std::unique_ptr<ObserverRelay> observerRelay_;
    std::unique_ptr<GameController> controller_;
    PlayerRegistry registry_;
};

} // namespace kv

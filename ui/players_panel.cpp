// The players' commands of the main window: the registry behind the name
// lists, adding and deleting players, the match start, renaming the players
// of the current game, the rating results of a match and the players window.
//
// The registry files live in the user's data folder, seeded from the shipped
// copies. Every command reads them afresh before it writes, and writes both
// through temporary files; a file that cannot be read stops the command with
// a message and changes nothing.
#include "ui/players_panel.h"
#include "ui/player_names.h"

#include "game/session.h"
#include "ui/main_window.h"

#include "game/data_paths.h"
#include "players/history.h"
#include "players/match.h"
#include "ui/board_widget.h"
#include "ui/new_game_panel.h"
#include "ui/players_window.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>

#include <filesystem>

namespace kv {

namespace {

std::filesystem::path fsPath(const QString& dir)
{
    return std::filesystem::path(dir.toStdString());
}

QString statusText(ListStatus status)
{
    switch (status) {
    case ListStatus::Missing: return QObject::tr("le fichier n'existe pas");
    case ListStatus::TooLarge:
        return QObject::tr("le fichier est trop grand pour être une liste de joueurs");
    case ListStatus::Unreadable: return QObject::tr("le fichier ne peut pas être lu");
    case ListStatus::Ok: break;
    }
    return {};
}

QString repairText(const RegistryRepair& r)
{
    const QString text = QString::fromStdString(r.text);
    switch (r.kind) {
    case RegistryRepair::MissingRating:
        return QObject::tr(
                   "« points.dat » n'avait pas de ligne pour %1 : %2 points lui sont donnés.")
            .arg(text)
            .arg(r.line == 0 ? kEngineRating : kDefaultCapital);
    case RegistryRepair::BadRating:
        return QObject::tr("« points.dat », ligne %1 : « %2 » n'est pas un nombre de points ; %3 "
                           "points sont pris à la place.")
            .arg(r.line + 1)
            .arg(text)
            .arg(r.line == 0 ? kEngineRating : kDefaultCapital);
    case RegistryRepair::SurplusRatings:
        return QObject::tr("« points.dat » avait des lignes au-delà du dernier joueur, à partir de "
                           "la ligne %1 : elles sont retirées.")
            .arg(r.line + 1);
    case RegistryRepair::MissingEngine:
        return QObject::tr("« joueurs.dat » était vide : Korvelan y est remis en première ligne.");
    case RegistryRepair::ConvertedName:
        break; // an older encoding, read as it was meant: nothing to tell
    }
    return {};
}

QString nameProblemText(NameProblem p)
{
    switch (p) {
    case NameProblem::Empty: return QObject::tr("Donnez un nom.");
    case NameProblem::LineBreak:
        return QObject::tr("Un nom tient sur une ligne : pas de retour à la ligne.");
    case NameProblem::ControlCharacter:
        return QObject::tr(
            "Un nom ne peut pas contenir de tabulation ni de caractère de commande.");
    case NameProblem::TooLong:
        return QObject::tr("Ce nom est trop long : %1 octets au plus.").arg(kMaxNameBytes);
    case NameProblem::NotUtf8:
    case NameProblem::None: break;
    }
    return QObject::tr("Ce nom ne peut pas être enregistré.");
}

// The name as the game stores it: one line, at most the bytes of its field.
std::string gameName(const QString& text)
{
    QString s = text.trimmed();
    for (QChar& c : s)
        if (c.category() == QChar::Other_Control) c = u' ';
    return fitName(s.toStdString());
}

} // namespace

// ------------------------------------------------------------------ the registry

PlayersPanel::PlayersPanel(MainWindow& window, GameSession& session)
    : window_(window), session_(session)
{
    build();
}

std::optional<PlayerRegistry> PlayersPanel::readRegistry()
{
    const QString dir = session_.seededPlayersFolder();
    const QDir user(dir);

    RegistryLoad load = loadRegistry(fsPath(dir));
    if (!load.registry) {
        window_.showError(tr("Impossible d'ouvrir ce fichier") + "\n"
                          + user.filePath(QString::fromStdString(load.failedFile)) + " : "
                          + statusText(load.status));
        return std::nullopt;
    }
    if (load.repairs.empty() && !load.namesChanged) return load.registry;

    // The mends are written at once, so they are told once.
    QStringList told;
    for (const RegistryRepair& r : load.repairs)
        if (const QString t = repairText(r); !t.isEmpty()) told << t;
    std::string error;
    if (!saveRegistry(*load.registry, fsPath(dir), error))
        told << tr("Le registre réparé n'a pas pu être enregistré : %1")
                    .arg(QString::fromStdString(error));
    if (!told.isEmpty())
        window_.showError(tr("Le registre des joueurs a été réparé :") + "\n" + told.join("\n"));
    return load.registry;
}

bool PlayersPanel::loadPlayerLists()
{
    std::optional<PlayerRegistry> reg = readRegistry();
    if (!reg) return false; // the lists keep what they showed
    session_.registry() = std::move(*reg);
    fillPlayerLists();
    return true;
}

void PlayersPanel::fillPlayerLists()
{
    QStringList names, ratings;
    for (const Player& p : session_.registry().players()) {
        names << shownPlayerName(p.name);
        ratings << QString::number(p.rating);
    }
    for (QListWidget* l : { widgets_.trainingNames, widgets_.matchNames, widgets_.whiteNames,
                            widgets_.blackNames, widgets_.deleteNames }) {
        l->clear();
        l->addItems(names);
    }
    for (QListWidget* l : { widgets_.whiteRatings, widgets_.blackRatings, widgets_.matchRatings }) {
        l->clear();
        l->addItems(ratings);
    }
}

// ------------------------------------------------------------------ new-game pages

namespace {
QString currentName(QListWidget* names)
{
    const QListWidgetItem* item = names->currentItem();
    return item ? item->text() : QString();
}
} // namespace

void PlayersPanel::pickTrainingOpponent()
{
    trainingNameEdit_->setText(currentName(widgets_.trainingNames));
}
void PlayersPanel::pickMatchPlayer()
{
    widgets_.matchPlayerEdit->setText(currentName(widgets_.matchNames));
}
void PlayersPanel::pickWhitePlayer() { whiteNameEdit_->setText(currentName(widgets_.whiteNames)); }
void PlayersPanel::pickBlackPlayer() { blackNameEdit_->setText(currentName(widgets_.blackNames)); }

void PlayersPanel::startMatch()
{
    MatchRequest request;
    request.typedName = storedPlayerName(widgets_.matchPlayerEdit->text()).toStdString();
    request.selectedRow = widgets_.matchNames->currentRow();
    request.engineWhite = !widgets_.matchComputerBlack->isChecked();
    request.previousPlayerIndex = session_.controller().lastMatch().player().index;
    const std::optional<MatchSetup> setup = setUpMatch(session_.registry(), request);
    if (!setup) return; // no name: nothing happens
    newGameTabs_->hide();
    session_.controller().newMatch(*setup);
    window_.syncOptionChecks();
}

void PlayersPanel::cancelNewGame() { window_.newGamePanel().cancelNewGame(); }

void PlayersPanel::resetComputerRating()
{
    // Written at once, read fresh so that nothing another window wrote is
    // lost: the lists show what the files hold, and keep it on the next read.
    std::optional<PlayerRegistry> reg = readRegistry();
    if (!reg) return;
    reg->setRating(0, kEngineRating);
    std::string error;
    if (!saveRegistry(*reg, fsPath(session_.playersFolder()), error)) {
        window_.showError(tr("Impossible d'enregistrer le joueur") + "\n"
                          + QString::fromStdString(error));
        return;
    }
    session_.registry() = std::move(*reg);
    fillPlayerLists();
    widgets_.matchPlayerEdit->clear();
}

// ------------------------------------------------------------------ new and deleted players

void PlayersPanel::askNewPlayer()
{
    loadPlayerLists();
    widgets_.newPlayerEdit->clear();
    widgets_.nameRefusal->clear();
    widgets_.newPlayerPanel->show();
    widgets_.newPlayerPanel->raise();
    widgets_.newPlayerEdit->setFocus();
}

void PlayersPanel::addPlayer()
{
    const QString typed = widgets_.newPlayerEdit->text().trimmed();
    if (typed.isEmpty()) return;
    const std::string name = typed.toStdString();
    if (const NameProblem p = checkName(name); p != NameProblem::None) {
        widgets_.nameRefusal->setText(nameProblemText(p)); // the panel stays open
        return;
    }
    const std::int32_t capital = widgets_.k1600->isChecked() ? 1600
        : widgets_.k1700->isChecked()                        ? 1700
                                                             : kDefaultCapital;
    std::optional<PlayerRegistry> reg = readRegistry();
    if (!reg) return;
    reg->add(name, capital);
    std::string error;
    if (!saveRegistry(*reg, fsPath(session_.playersFolder()), error)) {
        window_.showError(tr("Impossible d'enregistrer le joueur") + "\n"
                          + QString::fromStdString(error));
        return;
    }
    widgets_.newPlayerPanel->hide();
    widgets_.newPlayerEdit->clear();
    session_.registry() = std::move(*reg);
    fillPlayerLists();
    window_.boardChanged();
}

void PlayersPanel::cancelNewPlayer()
{
    widgets_.newPlayerPanel->hide();
    window_.boardChanged();
}

void PlayersPanel::askDeletePlayer()
{
    loadPlayerLists();
    widgets_.deletedNameEdit->clear();
    widgets_.deletePlayerPanel->show();
    widgets_.deletePlayerPanel->raise();
}

void PlayersPanel::pickPlayerToDelete()
{
    widgets_.deletedNameEdit->setText(currentName(widgets_.deleteNames));
}

void PlayersPanel::deletePlayer()
{
    const int line = widgets_.deleteNames->currentRow();
    // Line 0, the engine, and no selection delete nothing.
    if (line > 0) {
        std::optional<PlayerRegistry> reg = readRegistry();
        const std::string name = storedPlayerName(currentName(widgets_.deleteNames)).toStdString();
        if (reg && (!reg->contains(line) || (*reg)[line].name != name)) {
            window_.showError(
                tr("La liste des joueurs a changé : choisissez à nouveau le joueur à effacer."));
            loadPlayerLists();
        } else if (reg) {
            reg->remove(line);
            std::string error;
            if (saveRegistry(*reg, fsPath(session_.playersFolder()), error)) {
                widgets_.deletePlayerPanel->hide();
                session_.registry() = std::move(*reg);
                fillPlayerLists();
            } else {
                window_.showError(tr("Impossible d'effacer le joueur") + "\n"
                                  + QString::fromStdString(error));
            }
        }
    }
    window_.boardChanged();
}

void PlayersPanel::cancelDeletePlayer()
{
    widgets_.deletePlayerPanel->hide();
    window_.boardChanged();
}

// ------------------------------------------------------------------ renaming the current game's
// players

void PlayersPanel::askPlayerNames()
{
    widgets_.whiteNameField->setText(shownPlayerName(session_.game().whiteName));
    widgets_.blackNameField->setText(shownPlayerName(session_.game().blackName));
    widgets_.namesPanel->show();
    widgets_.namesPanel->raise();
}

void PlayersPanel::acceptPlayerNames()
{
    widgets_.namesPanel->hide();
    session_.game().whiteName = gameName(storedPlayerName(widgets_.whiteNameField->text()));
    session_.game().blackName = gameName(storedPlayerName(widgets_.blackNameField->text()));
    RecordEntry& entry = session_.game().record[session_.game().gamePly];
    setName(entry.whiteName, session_.game().whiteName);
    setName(entry.blackName, session_.game().blackName);
    window_.refreshStatus();
}

void PlayersPanel::cancelPlayerNames() { widgets_.namesPanel->hide(); }

// ------------------------------------------------------------------ the end of a match

void PlayersPanel::matchRated(const RatedResult* rated)
{
    if (!rated) { // not a rated game: no results to show
        for (QLabel* l : { widgets_.whiteResult, widgets_.blackResult }) {
            l->clear();
            l->hide();
        }
        return;
    }
    const MatchSetup& s = rated->setup;
    auto change = [this](const MatchSide& side, std::int32_t after) {
        return QString::fromStdString(side.name)
            + tr(" passe de %1 à %2").arg(side.rating, 4).arg(after, 4);
    };
    widgets_.whiteResult->setText(change(s.white, rated->after.white));
    widgets_.blackResult->setText(change(s.black, rated->after.black));
    for (QLabel* l : { widgets_.whiteResult, widgets_.blackResult }) l->show();

    const QString date = QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm");
    const StoreReport report
        = storeRatedResult(fsPath(session_.playersFolder()), *rated, date.toStdString());
    QStringList told;
    for (const RegistryRepair& r : report.repairs)
        if (const QString t = repairText(r); !t.isEmpty()) told << t;
    if (!report.saved) {
        told << (report.failedFile.empty()
                     ? tr("Les nouveaux points n'ont pas pu être enregistrés : %1")
                           .arg(QString::fromStdString(report.error))
                     : tr("Impossible d'ouvrir ce fichier") + "\n"
                         + QString::fromStdString(report.failedFile) + " : "
                         + statusText(report.status));
    } else {
        // The engine's line is always written; a registered player's too, unless
        // the player was deleted meanwhile.
        const MatchSide& player = s.player();
        if (player.index < 0)
            window_.statusBar()->showMessage(tr("%1 n'est pas inscrit : ses points ne sont pas "
                                                "gardés (Joueurs > Nouveau joueur).")
                                                 .arg(QString::fromStdString(player.name)),
                                             15000);
        if (player.index > 0 && report.linesWritten.size() < 2)
            told << tr("%1 n'est plus dans la liste des joueurs : ses points ne sont pas "
                       "enregistrés.")
                        .arg(QString::fromStdString(player.name));
    }
    if (!told.isEmpty()) window_.showError(told.join("\n"));
    if (playersWindow_ && playersWindow_->isVisible()) showPlayersWindow();
}

// ------------------------------------------------------------------ the players window

void PlayersPanel::showPlayersWindow()
{
    std::optional<PlayerRegistry> reg = readRegistry();
    if (!reg) return;
    const HistoryLoad history = loadHistory(fsPath(session_.playersFolder()));
    QString note;
    if (history.status != ListStatus::Ok && history.status != ListStatus::Missing)
        note = tr("L'historique des parties ne peut pas être lu : %1.")
                   .arg(statusText(history.status));
    else if (history.skipped > 0)
        note = tr("%n ligne(s) illisible(s) de l'historique sont ignorées.", nullptr,
                  history.skipped);
    if (!playersWindow_) playersWindow_ = new PlayersWindow(&window_);
    playersWindow_->showRegistry(*reg, history.records, note);
    playersWindow_->show();
    playersWindow_->raise();
}

} // namespace kv

// The players' commands of the main window: the registry behind the name
// lists, adding and deleting players, the match start, renaming the players
// of the current game, the rating results of a match and the players window.
//
// The registry files live in the user's data folder, seeded from the shipped
// copies. Every command reads them afresh before it writes, and writes both
// through temporary files; a file that cannot be read stops the command with
// a message and changes nothing.
#include "ui/Unit1.h"

#include "game/data_paths.h"
#include "players/history.h"
#include "players/match.h"
#include "ui/board_widget.h"
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

std::filesystem::path fsPath(const QString& dir) { return std::filesystem::path(dir.toStdString()); }

QString statusText(ListStatus status)
{
    switch (status) {
    case ListStatus::Missing: return QObject::tr("le fichier n'existe pas");
    case ListStatus::TooLarge: return QObject::tr("le fichier est trop grand pour être une liste de joueurs");
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
        return QObject::tr("« points.dat » n'avait pas de ligne pour %1 : %2 points lui sont donnés.")
            .arg(text)
            .arg(r.line == 0 ? kEngineRating : kDefaultCapital);
    case RegistryRepair::BadRating:
        return QObject::tr("« points.dat », ligne %1 : « %2 » n'est pas un nombre de points ; %3 points sont pris à la place.")
            .arg(r.line + 1)
            .arg(text)
            .arg(r.line == 0 ? kEngineRating : kDefaultCapital);
    case RegistryRepair::SurplusRatings:
        return QObject::tr("« points.dat » avait des lignes au-delà du dernier joueur, à partir de la ligne %1 : elles sont retirées.")
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
    case NameProblem::LineBreak: return QObject::tr("Un nom tient sur une ligne : pas de retour à la ligne.");
    case NameProblem::ControlCharacter: return QObject::tr("Un nom ne peut pas contenir de tabulation ni de caractère de commande.");
    case NameProblem::TooLong: return QObject::tr("Ce nom est trop long : %1 octets au plus.").arg(kMaxNameBytes);
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

QString TForm1::playersDir() const { return session_.playersFolder(); }

std::optional<PlayerRegistry> TForm1::readRegistry()
{
    const QString dir = session_.seededPlayersFolder();
    const QDir user(dir);

    RegistryLoad load = loadRegistry(fsPath(dir));
    if (!load.registry) {
        ShowError(tr("Impossible d'ouvrir ce fichier") + "\n"
                     + user.filePath(QString::fromStdString(load.failedFile)) + " : " + statusText(load.status));
        return std::nullopt;
    }
    if (load.repairs.empty() && !load.namesChanged) return load.registry;

    // The mends are written at once, so they are told once.
    QStringList told;
    for (const RegistryRepair& r : load.repairs)
        if (const QString t = repairText(r); !t.isEmpty()) told << t;
    std::string error;
    if (!saveRegistry(*load.registry, fsPath(dir), error))
        told << tr("Le registre réparé n'a pas pu être enregistré : %1").arg(QString::fromStdString(error));
    if (!told.isEmpty()) ShowError(tr("Le registre des joueurs a été réparé :") + "\n" + told.join("\n"));
    return load.registry;
}

bool TForm1::loadPlayerLists()
{
    std::optional<PlayerRegistry> reg = readRegistry();
    if (!reg) return false; // the lists keep what they showed
    registry_ = std::move(*reg);
    fillPlayerLists();
    return true;
}

void TForm1::fillPlayerLists()
{
    QStringList names, ratings;
    for (const Player& p : registry_.players()) {
        names << QString::fromStdString(p.name);
        ratings << QString::number(p.rating);
    }
    for (QListWidget* l : { pw_.listBox8, pw_.listBox9, pw_.listBox10, pw_.listBox11, pw_.listBox15 }) {
        l->clear();
        l->addItems(names);
    }
    for (QListWidget* l : { pw_.listBox12, pw_.listBox13, pw_.listBox14 }) {
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

void TForm1::ListBox8Click() { joueur0_->setText(currentName(pw_.listBox8)); }
void TForm1::ListBox9Click() { pw_.joueur1->setText(currentName(pw_.listBox9)); }
void TForm1::ListBox10Click() { joueur2_->setText(currentName(pw_.listBox10)); }
void TForm1::ListBox11Click() { joueur3_->setText(currentName(pw_.listBox11)); }

void TForm1::BitBtn16Click()
{
    MatchRequest request;
    request.typedName = pw_.joueur1->text().toStdString();
    request.selectedRow = pw_.listBox9->currentRow();
    request.engineWhite = !pw_.morvanelNoir1->isChecked();
    request.previousPlayerIndex = controller_->lastMatch().player().index;
    const std::optional<MatchSetup> setup = setUpMatch(registry_, request);
    if (!setup) return; // no name: nothing happens
    nouvellePartie_->hide();
    controller_->newMatch(*setup);
    syncOptionChecks();
}

void TForm1::RamenerMorvanelClick()
{
    // The lists only: the files keep the engine's rating until the next rated result.
    registry_.setRating(0, kEngineRating);
    for (QListWidget* l : { pw_.listBox12, pw_.listBox13, pw_.listBox14 })
        if (l->count() > 0) l->item(0)->setText(QString::number(kEngineRating));
    pw_.joueur1->clear();
}

// ------------------------------------------------------------------ new and deleted players

void TForm1::Match21Click()
{
    loadPlayerLists();
    pw_.joueur->clear();
    pw_.nomRefuse->clear();
    pw_.nouveauJoueur->show();
    pw_.nouveauJoueur->raise();
    pw_.joueur->setFocus();
}

void TForm1::BitBtn7Click()
{
    const QString typed = pw_.joueur->text().trimmed();
    if (typed.isEmpty()) return;
    const std::string name = typed.toStdString();
    if (const NameProblem p = checkName(name); p != NameProblem::None) {
        pw_.nomRefuse->setText(nameProblemText(p)); // the panel stays open
        return;
    }
    const std::int32_t capital = pw_.k1600->isChecked() ? 1600 : pw_.k1700->isChecked() ? 1700 : kDefaultCapital;
    std::optional<PlayerRegistry> reg = readRegistry();
    if (!reg) return;
    reg->add(name, capital);
    std::string error;
    if (!saveRegistry(*reg, fsPath(playersDir()), error)) {
        ShowError(tr("Impossible d'enregistrer le joueur") + "\n" + QString::fromStdString(error));
        return;
    }
    pw_.nouveauJoueur->hide();
    pw_.joueur->clear();
    registry_ = std::move(*reg);
    fillPlayerLists();
    boardChanged();
}

void TForm1::OClick()
{
    pw_.nouveauJoueur->hide();
    boardChanged();
}

void TForm1::Effacerunjoueur1Click()
{
    loadPlayerLists();
    pw_.joueurEfface->clear();
    pw_.effaceJ->show();
    pw_.effaceJ->raise();
}

void TForm1::ListBox7Click() { pw_.joueurEfface->setText(currentName(pw_.listBox15)); }

void TForm1::BitBtn20Click()
{
    const int line = pw_.listBox15->currentRow();
    // Line 0, the engine, and no selection delete nothing.
    if (line > 0) {
        std::optional<PlayerRegistry> reg = readRegistry();
        const std::string name = currentName(pw_.listBox15).toStdString();
        if (reg && (!reg->contains(line) || (*reg)[line].name != name)) {
            ShowError(tr("La liste des joueurs a changé : choisissez à nouveau le joueur à effacer."));
            loadPlayerLists();
        } else if (reg) {
            reg->remove(line);
            std::string error;
            if (saveRegistry(*reg, fsPath(playersDir()), error)) {
                pw_.effaceJ->hide();
                registry_ = std::move(*reg);
                fillPlayerLists();
            } else {
                ShowError(tr("Impossible d'effacer le joueur") + "\n" + QString::fromStdString(error));
            }
        }
    }
    boardChanged();
}

void TForm1::BitBtn12Click()
{
    pw_.effaceJ->hide();
    boardChanged();
}

// ------------------------------------------------------------------ renaming the current game's players

void TForm1::Changerlesnoms1Click()
{
    pw_.edit2->setText(QString::fromStdString(game_.whiteName));
    pw_.edit3->setText(QString::fromStdString(game_.blackName));
    pw_.joueurs->show();
    pw_.joueurs->raise();
}

void TForm1::OKjoueurClick()
{
    pw_.joueurs->hide();
    game_.whiteName = gameName(pw_.edit2->text());
    game_.blackName = gameName(pw_.edit3->text());
    RecordEntry& entry = game_.record[game_.gamePly];
    setName(entry.whiteName, game_.whiteName);
    setName(entry.blackName, game_.blackName);
    refreshStatus();
}

void TForm1::Cancel_joueursClick() { pw_.joueurs->hide(); }

// ------------------------------------------------------------------ the end of a match

void TForm1::matchRated(const RatedResult* rated)
{
    if (!rated) { // not a rated game: no results to show
        for (QLabel* l : { pw_.resultatBlanc, pw_.resultatNoir }) {
            l->clear();
            l->hide();
        }
        return;
    }
    const MatchSetup& s = rated->setup;
    auto change = [this](const MatchSide& side, std::int32_t after) {
        return QString::fromStdString(side.name) + tr(" passe de %1 à %2").arg(side.rating, 4).arg(after, 4);
    };
    pw_.resultatBlanc->setText(change(s.white, rated->after.white));
    pw_.resultatNoir->setText(change(s.black, rated->after.black));
    for (QLabel* l : { pw_.resultatBlanc, pw_.resultatNoir }) l->show();

    const QString date = QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm");
    const StoreReport report = storeRatedResult(fsPath(playersDir()), *rated, date.toStdString());
    QStringList told;
    for (const RegistryRepair& r : report.repairs)
        if (const QString t = repairText(r); !t.isEmpty()) told << t;
    if (!report.saved) {
        told << (report.failedFile.empty()
                     ? tr("Les nouveaux points n'ont pas pu être enregistrés : %1").arg(QString::fromStdString(report.error))
                     : tr("Impossible d'ouvrir ce fichier") + "\n" + QString::fromStdString(report.failedFile) + " : "
                           + statusText(report.status));
    } else {
        // The engine's line is always written; a registered player's too, unless
        // the player was deleted meanwhile.
        const MatchSide& player = s.player();
        if (player.index < 0)
            statusBar()->showMessage(tr("%1 n'est pas inscrit : ses points ne sont pas gardés (Joueurs > Nouveau joueur).")
                                         .arg(QString::fromStdString(player.name)),
                                     15000);
        if (player.index > 0 && report.linesWritten.size() < 2)
            told << tr("%1 n'est plus dans la liste des joueurs : ses points ne sont pas enregistrés.")
                        .arg(QString::fromStdString(player.name));
    }
    if (!told.isEmpty()) ShowError(told.join("\n"));
    if (playersWindow_ && playersWindow_->isVisible()) Listedesjoueurs1Click();
}

// ------------------------------------------------------------------ the players window

void TForm1::Listedesjoueurs1Click()
{
    std::optional<PlayerRegistry> reg = readRegistry();
    if (!reg) return;
    const HistoryLoad history = loadHistory(fsPath(playersDir()));
    QString note;
    if (history.status != ListStatus::Ok && history.status != ListStatus::Missing)
        note = tr("L'historique des parties ne peut pas être lu : %1.").arg(statusText(history.status));
    else if (history.skipped > 0)
        note = tr("%n ligne(s) illisible(s) de l'historique sont ignorées.", nullptr, history.skipped);
    if (!playersWindow_) playersWindow_ = new PlayersWindow(this);
    playersWindow_->showRegistry(*reg, history.records, note);
    playersWindow_->show();
    playersWindow_->raise();
}

} // namespace kv

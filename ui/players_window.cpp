#include "ui/players_window.h"
#include "ui/player_names.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kv {

namespace {

QTableWidget* makeTable(QWidget* parent, const char* name, const QStringList& headers)
{
    auto* t = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headers);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setSectionResizeMode(
        0, QHeaderView::Stretch); // names and dates take the room left
    return t;
}

// Numbers sort as numbers, not as text.
QTableWidgetItem* number(int value)
{
    auto* item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, value);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

PlayersWindow::PlayersWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName("Fenetre_joueurs");
    setWindowTitle(tr("Joueurs"));
    resize(560, 520);
    auto* v = new QVBoxLayout(this);
    players_ = makeTable(
        this, "Liste_joueurs",
        { tr("Joueur"), tr("Points"), tr("Parties"), tr("Gagnées"), tr("Nulles"), tr("Perdues") });
    players_->setSortingEnabled(true);
    v->addWidget(players_, 3);
    title_ = new QLabel(this);
    title_->setObjectName("Titre_resultats");
    v->addWidget(title_);
    results_
        = makeTable(this, "Resultats_joueur",
                    { tr("Date"), tr("Adversaire"), tr("Couleur"), tr("Résultat"), tr("Points") });
    v->addWidget(results_, 2);
    note_ = new QLabel(this);
    note_->setObjectName("Note_joueurs");
    note_->setWordWrap(true);
    note_->hide();
    v->addWidget(note_);
    auto* close = new QPushButton(tr("Fermer"), this);
    close->setObjectName("Fermer_joueurs");
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    v->addWidget(close, 0, Qt::AlignRight);

    connect(players_, &QTableWidget::itemSelectionChanged, this, [this] {
        const auto rows = players_->selectionModel()->selectedRows();
        if (!rows.isEmpty()) showResultsOf(players_->item(rows.first().row(), 0)->text());
    });
}

void PlayersWindow::showRegistry(const PlayerRegistry& registry,
                                 const std::vector<ResultRecord>& history, const QString& note)
{
    history_ = history;
    players_->setSortingEnabled(false); // rows are filled in registry order, then sorted
    players_->setRowCount(0);
    for (const Player& p : registry.players()) {
        const int row = players_->rowCount();
        players_->insertRow(row);
        const PlayerSummary s = summarize(history_, p.name);
        players_->setItem(row, 0, new QTableWidgetItem(shownPlayerName(p.name)));
        players_->setItem(row, 1, number(p.rating));
        players_->setItem(row, 2, number(s.games));
        players_->setItem(row, 3, number(s.won));
        players_->setItem(row, 4, number(s.drawn));
        players_->setItem(row, 5, number(s.lost));
    }
    players_->setSortingEnabled(true);
    players_->sortByColumn(1, Qt::DescendingOrder);
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
    results_->setRowCount(0);
    title_->setText(tr("Choisissez un joueur pour voir ses parties classées."));
    players_->clearSelection();
}

void PlayersWindow::showResultsOf(const QString& name)
{
    const std::string who = storedPlayerName(name).toStdString();
    results_->setRowCount(0);
    int games = 0;
    for (auto it = history_.rbegin(); it != history_.rend(); ++it) {
        const ResultRecord& r = *it;
        const bool white = r.white == who, black = r.black == who;
        if (white == black) continue;
        ++games;
        const int row = results_->rowCount();
        results_->insertRow(row);
        const bool won = r.outcome == (white ? GameResult::WhiteWon : GameResult::BlackWon);
        const QString result = r.outcome == GameResult::Draw ? tr("Nulle")
            : won                                            ? tr("Gagnée")
                                                             : tr("Perdue");
        const int before = white ? r.whiteBefore : r.blackBefore,
                  after = white ? r.whiteAfter : r.blackAfter;
        results_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(r.date)));
        results_->setItem(row, 1, new QTableWidgetItem(shownPlayerName(white ? r.black : r.white)));
        results_->setItem(row, 2, new QTableWidgetItem(white ? tr("Blancs") : tr("Noirs")));
        results_->setItem(row, 3, new QTableWidgetItem(result));
        results_->setItem(row, 4,
                          new QTableWidgetItem(tr("%1 → %2 (%3)")
                                                   .arg(before)
                                                   .arg(after)
                                                   .arg(after - before >= 0
                                                            ? "+" + QString::number(after - before)
                                                            : QString::number(after - before))));
    }
    title_->setText(games ? tr("Parties classées de %1 :").arg(name)
                          : tr("%1 n'a pas encore joué de partie classée.").arg(name));
}

} // namespace kv

// The main window's widgets for players and rated matches: the name lists of
// the new-game pages, the "Match " page, the players' panels, the players'
// menu entries and the rating results shown at the end of a match.
#include "ui/players_panel.h"

#include "game/session.h"
#include "ui/main_window.h"
#include "ui/player_widgets.h"
#include "ui/players_window.h"
#include "ui/window_parts.h"

#include "players/registry.h"

#include <QAction>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kv {

using namespace window_parts;

namespace {

QListWidget* makeList(QWidget* parent, const char* name)
{
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    return l;
}

// A list of names with the list of their ratings beside it, scrolling and
// selecting together.
QHBoxLayout* pairedLists(QListWidget* names, QListWidget* ratings)
{
    ratings->setMaximumWidth(64);
    ratings->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ratings->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QObject::connect(names, &QListWidget::currentRowChanged, ratings,
                     [ratings](int row) { ratings->setCurrentRow(row); });
    QObject::connect(ratings, &QListWidget::currentRowChanged, names,
                     [names](int row) { names->setCurrentRow(row); });
    QObject::connect(names->verticalScrollBar(), &QAbstractSlider::valueChanged,
                     ratings->verticalScrollBar(), &QAbstractSlider::setValue);
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(names, 1);
    row->addWidget(ratings);
    return row;
}

} // namespace

void PlayersPanel::build()
{
    PlayerWidgets& w = widgets_;
    QWidget* central = window_.centralWidget();
    newGameTabs_ = window_.findChild<QTabWidget*>("Nouvelle_partie");
    trainingNameEdit_ = window_.findChild<QLineEdit*>("Joueur0");
    whiteNameEdit_ = window_.findChild<QLineEdit*>("Joueur2");
    blackNameEdit_ = window_.findChild<QLineEdit*>("Joueur3");
    // The pages now hold lists of players.
    newGameTabs_->setGeometry(49, 80, 440, 360);

    // Training: the registered names under the name box.
    if (auto* training = newGameTabs_->findChild<QWidget*>("Entrainement")) {
        w.trainingNames = makeList(training, "ListBox8");
        if (auto* v = qobject_cast<QBoxLayout*>(training->layout()))
            v->insertWidget(1, w.trainingNames, 1);
        connect(w.trainingNames, &QListWidget::itemClicked, this,
                &PlayersPanel::pickTrainingOpponent);
    }

    // The match page, between training and human against human.
    auto* match = new QWidget;
    match->setObjectName("Match");
    auto* ml = new QVBoxLayout(match);
    auto* mn = new QHBoxLayout;
    mn->addWidget(makeLabel(match, "Label21", tr("Joueur :")));
    w.matchPlayerEdit = new QLineEdit(match);
    w.matchPlayerEdit->setObjectName("Joueur1");
    w.matchPlayerEdit->setMaxLength(static_cast<int>(kMaxNameBytes));
    mn->addWidget(w.matchPlayerEdit);
    ml->addLayout(mn);
    w.matchNames = makeList(match, "ListBox9");
    w.matchRatings = makeList(match, "ListBox14");
    ml->addLayout(pairedLists(w.matchNames, w.matchRatings), 1);
    connect(w.matchNames, &QListWidget::itemClicked, this, &PlayersPanel::pickMatchPlayer);
    connect(w.matchRatings, &QListWidget::itemClicked, this, &PlayersPanel::pickMatchPlayer);
    auto* colour = new QGroupBox(tr("Couleur de Korvelan"), match);
    colour->setObjectName("Choixcouleur1");
    auto* cl = new QHBoxLayout(colour);
    auto* blanc = new QRadioButton(tr("Blanc"), colour);
    blanc->setObjectName("Morvanel_blanc1");
    w.matchComputerBlack = new QRadioButton(tr("Noir"), colour);
    w.matchComputerBlack->setObjectName("Morvanel_noir1");
    w.matchComputerBlack->setChecked(true);
    cl->addWidget(blanc);
    cl->addWidget(w.matchComputerBlack);
    auto* ramener = makeButton(colour, "RamenerMorvanel", tr("Ramener Korvelan à 2050"));
    connect(ramener, &QPushButton::clicked, this, &PlayersPanel::resetComputerRating);
    cl->addStretch();
    cl->addWidget(ramener);
    ml->addWidget(colour);
    addOkCancel(match, ml, "BitBtn16", "Annule_nouveau", this, &PlayersPanel::startMatch,
                &PlayersPanel::cancelNewGame);
    newGameTabs_->insertTab(1, match, tr("Match "));

    // Human against human: a list for each colour under the name boxes.
    if (auto* human = newGameTabs_->findChild<QWidget*>("Humain")) {
        w.whiteNames = makeList(human, "ListBox10");
        w.whiteRatings = makeList(human, "ListBox12");
        w.blackNames = makeList(human, "ListBox11");
        w.blackRatings = makeList(human, "ListBox13");
        auto* both = new QHBoxLayout;
        both->addLayout(pairedLists(w.whiteNames, w.whiteRatings));
        both->addLayout(pairedLists(w.blackNames, w.blackRatings));
        if (auto* v = qobject_cast<QBoxLayout*>(human->layout())) v->insertLayout(1, both, 1);
        connect(w.whiteNames, &QListWidget::itemClicked, this, &PlayersPanel::pickWhitePlayer);
        connect(w.blackNames, &QListWidget::itemClicked, this, &PlayersPanel::pickBlackPlayer);
    }

    // "Nouveau joueur": a name and a starting capital.
    w.newPlayerPanel = overlay(central, "Nouveau_joueur", QRect(49, 130, 440, 250));
    auto* nl = new QVBoxLayout(w.newPlayerPanel);
    auto* nrow = new QHBoxLayout;
    nrow->addWidget(makeLabel(w.newPlayerPanel, "Label19", tr("Nom du joueur :")));
    w.newPlayerEdit = new QLineEdit(w.newPlayerPanel);
    w.newPlayerEdit->setObjectName("Joueur");
    w.newPlayerEdit->setMaxLength(static_cast<int>(kMaxNameBytes));
    nrow->addWidget(w.newPlayerEdit);
    nl->addLayout(nrow);
    auto* capital = new QGroupBox(tr("Capital points"), w.newPlayerPanel);
    capital->setObjectName("RadioGroup3");
    auto* kl = new QVBoxLayout(capital);
    QRadioButton** buttons[] = { &w.k1600, &w.k1700, &w.k1800 };
    // Each capital says what it means for the games to come.
    const char* captions[] = {
        QT_TR_NOOP("1600 (l'ordinateur vous laisse le double de son temps)"),
        QT_TR_NOOP("1700 (l'ordinateur vous laisse voir sa réflexion)"),
        QT_TR_NOOP("1800 (l'ordinateur ne vous fait pas de cadeau)"),
    };
    for (std::size_t i = 0; i < kStartingCapitals.size(); ++i) {
        const QString points = QString::number(kStartingCapitals[i]);
        *buttons[i] = new QRadioButton(tr(captions[i]), capital);
        (*buttons[i])->setObjectName("K" + points);
        kl->addWidget(*buttons[i]);
    }
    w.k1800->setChecked(true);
    nl->addWidget(capital);
    w.nameRefusal = makeLabel(w.newPlayerPanel, "Nom_refuse", QString());
    w.nameRefusal->setWordWrap(true);
    w.nameRefusal->setStyleSheet("color: #a01818;");
    nl->addWidget(w.nameRefusal);
    addOkCancel(w.newPlayerPanel, nl, "BitBtn7", "O", this, &PlayersPanel::addPlayer,
                &PlayersPanel::cancelNewPlayer);

    // "Effacer un joueur": the list, the chosen name, OK.
    w.deletePlayerPanel = overlay(central, "Efface_j", QRect(109, 110, 320, 300));
    auto* el = new QVBoxLayout(w.deletePlayerPanel);
    el->addWidget(makeLabel(w.deletePlayerPanel, "Label18", tr("Joueur à effacer :")));
    w.deleteNames = makeList(w.deletePlayerPanel, "ListBox15");
    connect(w.deleteNames, &QListWidget::itemClicked, this, &PlayersPanel::pickPlayerToDelete);
    el->addWidget(w.deleteNames, 1);
    w.deletedNameEdit = new QLineEdit(w.deletePlayerPanel);
    w.deletedNameEdit->setObjectName("joueur_efface");
    w.deletedNameEdit->setReadOnly(true);
    el->addWidget(w.deletedNameEdit);
    addOkCancel(w.deletePlayerPanel, el, "BitBtn20", "BitBtn12", this, &PlayersPanel::deletePlayer,
                &PlayersPanel::cancelDeletePlayer);

    // "Changer les noms": the names of the current game.
    w.namesPanel = overlay(central, "Joueurs", QRect(109, 190, 320, 130));
    auto* jl = new QVBoxLayout(w.namesPanel);
    auto* names = new QFormLayout;
    w.whiteNameField = new QLineEdit(w.namesPanel);
    w.whiteNameField->setObjectName("Edit2");
    w.blackNameField = new QLineEdit(w.namesPanel);
    w.blackNameField->setObjectName("Edit3");
    for (QLineEdit* e : { w.whiteNameField, w.blackNameField })
        e->setMaxLength(static_cast<int>(kMaxNameBytes));
    names->addRow(makeLabel(w.namesPanel, "Label21", tr("Blancs :")), w.whiteNameField);
    names->addRow(makeLabel(w.namesPanel, "Label22", tr("Noirs :")), w.blackNameField);
    jl->addLayout(names);
    addOkCancel(w.namesPanel, jl, "OKjoueur", "Cancel_joueurs", this,
                &PlayersPanel::acceptPlayerNames, &PlayersPanel::cancelPlayerNames);

    // The rating results under the end-of-game message.
    if (QWidget* fin = window_.findChild<QWidget*>("fin_de_parties")) {
        w.whiteResult = makeLabel(fin, "Resultat_blanc", QString());
        w.blackResult = makeLabel(fin, "Resultat_noir", QString());
        int at = 1; // right under the message
        for (QLabel* l : { w.whiteResult, w.blackResult }) {
            l->setAlignment(Qt::AlignCenter);
            l->hide();
            if (auto* v = qobject_cast<QBoxLayout*>(fin->layout())) v->insertWidget(at++, l);
        }
        fin->resize(fin->width(), fin->height() + 44);
    }

    for (QFrame* f : { w.newPlayerPanel, w.deletePlayerPanel, w.namesPanel })
        f->setStyleSheet(QString("QFrame#%1 { background: #fffaf0; }").arg(f->objectName()));

    // The players' menu.
    QMenu* menu = window_.menuBar()->findChild<QMenu*>("Joueurs1");
    menu->addSeparator();
    connect(addMenuAction(menu, "Match21", tr("Nouveau joueur")), &QAction::triggered, this,
            &PlayersPanel::askNewPlayer);
    connect(addMenuAction(menu, "Effacerunjoueur1", tr("Effacer un joueur")), &QAction::triggered,
            this, &PlayersPanel::askDeletePlayer);
    connect(addMenuAction(menu, "Changerlesnoms1", tr("Changer les noms")), &QAction::triggered,
            this, &PlayersPanel::askPlayerNames);
    menu->addSeparator();
    connect(addMenuAction(menu, "Listedesjoueurs1", tr("Liste des joueurs")), &QAction::triggered,
            this, &PlayersPanel::showPlayersWindow);
}

} // namespace kv

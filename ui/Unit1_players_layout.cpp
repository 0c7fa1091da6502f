// The main window's widgets for players and rated matches: the name lists of
// the new-game pages, the "Match " page, the players' panels, the players'
// menu entries and the rating results shown at the end of a match.
#include "ui/Unit1.h"
#include "ui/Unit1_detail.h"
#include "ui/player_widgets.h"
#include "ui/players_window.h"

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
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kv {

using namespace unit1_detail;

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
    QObject::connect(names, &QListWidget::currentRowChanged, ratings, [ratings](int row) { ratings->setCurrentRow(row); });
    QObject::connect(ratings, &QListWidget::currentRowChanged, names, [names](int row) { names->setCurrentRow(row); });
    QObject::connect(names->verticalScrollBar(), &QAbstractSlider::valueChanged, ratings->verticalScrollBar(),
                     &QAbstractSlider::setValue);
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(names, 1);
    row->addWidget(ratings);
    return row;
}

} // namespace

void TForm1::buildPlayerPanels()
{
    PlayerWidgets& w = pw_;
    QWidget* central = centralWidget();
    // The pages now hold lists of players.
    nouvellePartie_->setGeometry(49, 80, 440, 360);

    // Training: the registered names under the name box.
    if (auto* training = nouvellePartie_->findChild<QWidget*>("Entrainement")) {
        w.listBox8 = makeList(training, "ListBox8");
        if (auto* v = qobject_cast<QBoxLayout*>(training->layout())) v->insertWidget(1, w.listBox8, 1);
        connect(w.listBox8, &QListWidget::itemClicked, this, &TForm1::ListBox8Click);
    }

    // The match page, between training and human against human.
    auto* match = new QWidget;
    match->setObjectName("Match");
    auto* ml = new QVBoxLayout(match);
    auto* mn = new QHBoxLayout;
    mn->addWidget(makeLabel(match, "Label21", tr("Joueur :")));
    w.joueur1 = new QLineEdit(match);
    w.joueur1->setObjectName("Joueur1");
    w.joueur1->setMaxLength(static_cast<int>(kMaxNameBytes));
    mn->addWidget(w.joueur1);
    ml->addLayout(mn);
    w.listBox9 = makeList(match, "ListBox9");
    w.listBox14 = makeList(match, "ListBox14");
    ml->addLayout(pairedLists(w.listBox9, w.listBox14), 1);
    connect(w.listBox9, &QListWidget::itemClicked, this, &TForm1::ListBox9Click);
    connect(w.listBox14, &QListWidget::itemClicked, this, &TForm1::ListBox9Click);
    auto* colour = new QGroupBox(tr("Couleur de Korvelan"), match);
    colour->setObjectName("Choixcouleur1");
    auto* cl = new QHBoxLayout(colour);
    auto* blanc = new QRadioButton(tr("Blanc"), colour);
    blanc->setObjectName("Morvanel_blanc1");
    w.morvanelNoir1 = new QRadioButton(tr("Noir"), colour);
    w.morvanelNoir1->setObjectName("Morvanel_noir1");
    w.morvanelNoir1->setChecked(true);
    cl->addWidget(blanc);
    cl->addWidget(w.morvanelNoir1);
    auto* ramener = makeButton(colour, "RamenerMorvanel", tr("Ramener Korvelan à 2050"));
    connect(ramener, &QPushButton::clicked, this, &TForm1::RamenerMorvanelClick);
    cl->addStretch();
    cl->addWidget(ramener);
    ml->addWidget(colour);
    addOkCancel(match, ml, "BitBtn16", "Annule_nouveau", &TForm1::BitBtn16Click, &TForm1::Annule_nouveauClick);
    nouvellePartie_->insertTab(1, match, tr("Match "));

    // Human against human: a list for each colour under the name boxes.
    if (auto* human = nouvellePartie_->findChild<QWidget*>("Humain")) {
        w.listBox10 = makeList(human, "ListBox10");
        w.listBox12 = makeList(human, "ListBox12");
        w.listBox11 = makeList(human, "ListBox11");
        w.listBox13 = makeList(human, "ListBox13");
        auto* both = new QHBoxLayout;
        both->addLayout(pairedLists(w.listBox10, w.listBox12));
        both->addLayout(pairedLists(w.listBox11, w.listBox13));
        if (auto* v = qobject_cast<QBoxLayout*>(human->layout())) v->insertLayout(1, both, 1);
        connect(w.listBox10, &QListWidget::itemClicked, this, &TForm1::ListBox10Click);
        connect(w.listBox11, &QListWidget::itemClicked, this, &TForm1::ListBox11Click);
    }

    // "Nouveau joueur": a name and a starting capital.
    w.nouveauJoueur = overlay(central, "Nouveau_joueur", QRect(49, 130, 440, 250));
    auto* nl = new QVBoxLayout(w.nouveauJoueur);
    auto* nrow = new QHBoxLayout;
    nrow->addWidget(makeLabel(w.nouveauJoueur, "Label19", tr("Nom du joueur :")));
    w.joueur = new QLineEdit(w.nouveauJoueur);
    w.joueur->setObjectName("Joueur");
    w.joueur->setMaxLength(static_cast<int>(kMaxNameBytes));
    nrow->addWidget(w.joueur);
    nl->addLayout(nrow);
    auto* capital = new QGroupBox(tr("Capital points"), w.nouveauJoueur);
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
    w.nomRefuse = makeLabel(w.nouveauJoueur, "Nom_refuse", QString());
    w.nomRefuse->setWordWrap(true);
    w.nomRefuse->setStyleSheet("color: #a01818;");
    nl->addWidget(w.nomRefuse);
    addOkCancel(w.nouveauJoueur, nl, "BitBtn7", "O", &TForm1::BitBtn7Click, &TForm1::OClick);

    // "Effacer un joueur": the list, the chosen name, OK.
    w.effaceJ = overlay(central, "Efface_j", QRect(109, 110, 320, 300));
    auto* el = new QVBoxLayout(w.effaceJ);
    el->addWidget(makeLabel(w.effaceJ, "Label18", tr("Joueur à effacer :")));
    w.listBox15 = makeList(w.effaceJ, "ListBox15");
    connect(w.listBox15, &QListWidget::itemClicked, this, &TForm1::ListBox7Click);
    el->addWidget(w.listBox15, 1);
    w.joueurEfface = new QLineEdit(w.effaceJ);
    w.joueurEfface->setObjectName("joueur_efface");
    w.joueurEfface->setReadOnly(true);
    el->addWidget(w.joueurEfface);
    addOkCancel(w.effaceJ, el, "BitBtn20", "BitBtn12", &TForm1::BitBtn20Click, &TForm1::BitBtn12Click);

    // "Changer les noms": the names of the current game.
    w.joueurs = overlay(central, "Joueurs", QRect(109, 190, 320, 130));
    auto* jl = new QVBoxLayout(w.joueurs);
    auto* names = new QFormLayout;
    w.edit2 = new QLineEdit(w.joueurs);
    w.edit2->setObjectName("Edit2");
    w.edit3 = new QLineEdit(w.joueurs);
    w.edit3->setObjectName("Edit3");
    for (QLineEdit* e : { w.edit2, w.edit3 }) e->setMaxLength(static_cast<int>(kMaxNameBytes));
    names->addRow(makeLabel(w.joueurs, "Label21", tr("Blancs :")), w.edit2);
    names->addRow(makeLabel(w.joueurs, "Label22", tr("Noirs :")), w.edit3);
    jl->addLayout(names);
    addOkCancel(w.joueurs, jl, "OKjoueur", "Cancel_joueurs", &TForm1::OKjoueurClick, &TForm1::Cancel_joueursClick);

    // The rating results under the end-of-game message.
    if (auto it = panels_.find(GamePanel::FinDeParties); it != panels_.end()) {
        QWidget* fin = it->second;
        w.resultatBlanc = makeLabel(fin, "Resultat_blanc", QString());
        w.resultatNoir = makeLabel(fin, "Resultat_noir", QString());
        int at = 1; // right under the message
        for (QLabel* l : { w.resultatBlanc, w.resultatNoir }) {
            l->setAlignment(Qt::AlignCenter);
            l->hide();
            if (auto* v = qobject_cast<QBoxLayout*>(fin->layout())) v->insertWidget(at++, l);
        }
        fin->resize(fin->width(), fin->height() + 44);
    }

    for (QFrame* f : { w.nouveauJoueur, w.effaceJ, w.joueurs })
        f->setStyleSheet(QString("QFrame#%1 { background: #fffaf0; }").arg(f->objectName()));

    // The players' menu.
    joueurs_->addSeparator();
    addAction(joueurs_, "Match21", tr("Nouveau joueur"), &TForm1::Match21Click);
    addAction(joueurs_, "Effacerunjoueur1", tr("Effacer un joueur"), &TForm1::Effacerunjoueur1Click);
    addAction(joueurs_, "Changerlesnoms1", tr("Changer les noms"), &TForm1::Changerlesnoms1Click);
    joueurs_->addSeparator();
    addAction(joueurs_, "Listedesjoueurs1", tr("Liste des joueurs"), &TForm1::Listedesjoueurs1Click);
}

} // namespace kv

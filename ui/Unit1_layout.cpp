// The main window's widgets: menus, panels, tabs and the welcome panel.
#include "ui/Unit1.h"
#include "ui/Unit1_detail.h"
#include "ui/level_menu.h"

#include "engine/hash_keys.h"
#include "rules/geometry.h"
#include "ui/board_widget.h"
#include "ui/sound_player.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

using namespace unit1_detail;

// ------------------------------------------------------------------ layout

QAction* TForm1::addAction(QMenu* menu, const char* name, const QString& text, void (TForm1::*slot)(),
                           const QKeySequence& key)
{
    auto* a = menu->addAction(text);
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    if (slot) connect(a, &QAction::triggered, this, slot);
    actions_[name] = a;
    return a;
}

QAction* TForm1::addOption(QMenu* menu, const char* name, const QString& text, bool checked,
                           bool GameOptions::*field)
{
    auto* a = menu->addAction(text);
    a->setObjectName(name);
    a->setCheckable(true);
    a->setChecked(checked);
    controller_->options.*field = checked;
    connect(a, &QAction::toggled, this, [this, field](bool on) { controller_->options.*field = on; });
    actions_[name] = a;
    optionActions_.emplace_back(a, field);
    return a;
}

void TForm1::buildMenus()
{
    QMenuBar* bar = menuBar();

    fichier_ = bar->addMenu(tr("Fichier"));
    fichier_->setObjectName("Fichier1");
    addAction(fichier_, "Nouveau2", tr("Nouveau"), &TForm1::Nouveau2Click, QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* hh = addAction(fichier_, "Humaincontrehumain1", tr("Humain contre humain"), nullptr,
                            QKeySequence(Qt::CTRL | Qt::Key_H));
    hh->setCheckable(true);
    connect(hh, &QAction::triggered, this, [this] {
        controller_->Ordinateur();
        syncOptionChecks();
    });
    QAction* cc = addAction(fichier_, "Ordinateurcontreordinateur1", tr("Ordinateur contre ordinateur"), nullptr,
                            QKeySequence(Qt::CTRL | Qt::Key_C));
    cc->setCheckable(true);
    connect(cc, &QAction::triggered, this, [this] {
        controller_->Ordinateurcontreordinateur1Click();
        syncOptionChecks();
    });
    addAction(fichier_, "Abandon1", tr("Abandonner"), &TForm1::AbandonClick);
    fichier_->addSeparator();
    addAction(fichier_, "Ouvrir1", tr("Ouvrir"), &TForm1::ouvre, QKeySequence(Qt::CTRL | Qt::Key_O));
    addAction(fichier_, "Sauver1", tr("Sauver"), &TForm1::save, QKeySequence(Qt::CTRL | Qt::Key_S));
    fichier_->addSeparator();
    addAction(fichier_, "Quitter1", tr("Quitter"), &TForm1::quitter, QKeySequence(Qt::ALT | Qt::Key_X));

    edition_ = bar->addMenu(tr("Edition"));
    edition_->setObjectName("Edition1");
    addAction(edition_, "Reprendrecoups1", tr("Reprendre coups"), &TForm1::reprise, QKeySequence(Qt::Key_F1));
    addAction(edition_, "Avancercoups1", tr("Avancer coups"), &TForm1::avancer, QKeySequence(Qt::Key_F2));
    addAction(edition_, "Reveniraudbut1", tr("Revenir au début"), &TForm1::revenir_debut,
              QKeySequence(Qt::CTRL | Qt::Key_F1));
    addAction(edition_, "Allerlafin1", tr("Aller à la fin"), &TForm1::Aller_fin, QKeySequence(Qt::CTRL | Qt::Key_F2));

    QMenu* affichage = bar->addMenu(tr("Affichage"));
    affichage->setObjectName("Affichage1");
    buildViewMenu(affichage);
    affichage->addSeparator();
    addAction(affichage, "Inverserdamier1", tr("Inverser damier"), &TForm1::Inverser, QKeySequence(Qt::Key_F3));

    joueurs_ = bar->addMenu(tr("Joueurs"));
    joueurs_->setObjectName("Joueurs1");
    addAction(joueurs_, "Inverserlesjoueurs1", tr("Inverser les joueurs"), &TForm1::inverser_joueurs,
              QKeySequence(Qt::Key_F4));

    niveau_ = bar->addMenu(tr("Niveau"));
    niveau_->setObjectName("Niveau1");
    levelGroup_ = new QActionGroup(this);
    levelGroup_->setExclusive(true);
    QMenu* special = nullptr;
    for (const LevelEntry& e : levelTable()) {
        QMenu* menu = niveau_;
        if (e.special) {
            if (!special) {
                special = niveau_->addMenu(tr("Spécial"));
                special->setObjectName("XSpecial1");
            }
            menu = special;
        }
        const LevelMenuEntry* entry = levelMenuEntry(e.setting.index);
        const QString name = QString::fromLatin1(entry->objectName);
        QAction* a = menu->addAction(tr(entry->caption));
        a->setObjectName(name);
        a->setCheckable(true);
        levelGroup_->addAction(a);
        actions_[name] = a;
        const LevelSetting setting = e.setting;
        connect(a, &QAction::triggered, this, [this, setting] { setLevelEntry(setting); });
    }
    QAction* autre = addAction(niveau_, "N8Autre1", tr("Autre"), &TForm1::N8Autre1Click);
    autre->setCheckable(true);
    levelGroup_->addAction(autre);
    setLevelEntry(kDefaultLevel);

    buildOpeningsMenu();

    QMenu* options = bar->addMenu(tr("Options"));
    options->setObjectName("Options1");
    QAction* num = addOption(options, "Numroterlescase1", tr("Numéroter les cases"), false, &GameOptions::numbering);
    disconnect(num, &QAction::toggled, this, nullptr);
    connect(num, &QAction::triggered, this, [this] {
        controller_->numerotation();
        syncOptionChecks();
    });
    addAction(options, "Alphabeticalnumber1", tr("Alphabetical number"), &TForm1::Alphabeticalnumber1Click)
        ->setCheckable(true);
    addAction(options, "Pause1", tr("Arrêt du calcul"), &TForm1::pause);
    addAction(options, "Horlogeszro1", tr("Horloges à zéro"), &TForm1::Horlogeszro1Click);
    QAction* pause2 = addAction(options, "Pause2", tr("Pause"), &TForm1::Pause2Click);
    pause2->setCheckable(true);
    pause2->setChecked(true); // the clocks run from the user's first click
    options->addSeparator();
    addOption(options, "Rflexionsurtempsadverse1", tr("Réflexion sur temps adverse"), true, &GameOptions::ponder);
    addOption(options, "Arretrflexionparclicsouris1", tr("Arrêt réflexion par clic souris"), true,
              &GameOptions::stopByClick);
    addOption(options, "Indicationdesmouvements1", tr("Indication des mouvements"), true,
              &GameOptions::moveIndication);
    addOption(options, "Dcomposerlesprises1", tr("Décomposer les prises"), true, &GameOptions::decomposeCaptures);
    QAction* blind = addOption(options, "Jeuenaveugle1", tr("Jeu en aveugle"), false, &GameOptions::blind);
    disconnect(blind, &QAction::toggled, this, nullptr);
    connect(blind, &QAction::triggered, this, [this] {
        controller_->Jeuenaveugle1Click();
        syncOptionChecks();
    });
    QMenu* sons = options->addMenu(tr("Sons"));
    sons->setObjectName("Bipchaquecoup1");
    addOption(sons, "Bipchaquecoup2", tr("Bip à chaque coup"), true, &GameOptions::beep);
    addOption(sons, "Commentaires1", tr("Autres"), true, &GameOptions::otherSounds);
    buildOptionsExtras(options);
    buildExchangeMenus();
    menuBar()->setEnabled(false); // until a board view is chosen on the welcome panel
}

void TForm1::buildPanels()
{
    QWidget* central = centralWidget();

    // The two player panels: name, clock and piece counter.
    auto playerPanel = [&](const char* name, const char* nameLabel, QLabel*& nom, const char* minName,
                           QLabel*& min, const char* secName, QLabel*& sec, const char* countName, QLabel*& count,
                           int y) {
        auto* f = new QFrame(central);
        f->setObjectName(name);
        f->setGeometry(kColumnX, y, kColumnWidth, 64);
        nom = makeLabel(f, nameLabel, QString());
        nom->setGeometry(10, 6, 200, 22);
        min = makeLabel(f, minName, "0");
        min->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        min->setGeometry(10, 30, 50, 28);
        auto* colon = new QLabel(":", f);
        colon->setStyleSheet("font-family: monospace; font-size: 22px; font-weight: bold;");
        colon->setGeometry(62, 30, 12, 28);
        sec = makeLabel(f, secName, "00");
        sec->setGeometry(76, 30, 40, 28);
        count = makeLabel(f, countName, QString());
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        count->setGeometry(200, 30, 110, 28);
        return f;
    };
    panel6_ = playerPanel("Panel6", "Nom_noir", nomNoir_, "minnoir", minnoir_, "secnoir", secnoir_, "Nbnoirs",
                          nbNoirs_, kTopPanelY);
    panel7_ = playerPanel("Panel7", "Nom_blanc", nomBlanc_, "minblanc", minblanc_, "secblanc", secblanc_, "Nbblancs",
                          nbBlancs_, kBottomPanelY);

    // Mode, colours, direction and move number.
    // Widths fit the longest texts of the six languages: "Humain contre
    // humain", "Computador brancas", "Vez das brancas", "Wit:Beneden->Boven",
    // "Jugadas: 126".
    panel11_ = makeLabel(central, "Panel11", tr("Entraînement"));
    panel11_->setGeometry(kColumnX, 78, 176, 22);
    couleurordi_ = makeLabel(central, "Couleurordi", QString());
    couleurordi_->setGeometry(kColumnX + 182, 78, 138, 22);
    trait_ = makeLabel(central, "Trait", QString());
    trait_->setGeometry(kColumnX, 102, 104, 20);
    basHaut_ = makeLabel(central, "Bas_Haut", QString());
    basHaut_->setAlignment(Qt::AlignCenter);
    basHaut_->setGeometry(kColumnX + 104, 102, 136, 20);
    nbcoups_ = makeLabel(central, "Nbcoups3d", QString());
    nbcoups_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    nbcoups_->setGeometry(kColumnX + 240, 102, 80, 20);

    // The tab control: the move list with the speed buttons, and the engine's thinking.
    onglet_ = new QTabWidget(central);
    onglet_->setObjectName("Onglet");
    onglet_->setGeometry(kColumnX, kTabY, kColumnWidth, 250);
    auto* liste = new QWidget;
    liste->setObjectName("Liste");
    auto* lv = new QVBoxLayout(liste);
    lv->setContentsMargins(4, 4, 4, 4);
    listBox1_ = new QListWidget(liste);
    listBox1_->setObjectName("ListBox1");
    listBox1_->setFont(QFont("monospace", 10));
    lv->addWidget(listBox1_);
    connect(listBox1_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { controller_->revenir_n(listBox1_->row(item)); });
    auto* speed = new QHBoxLayout;
    struct SpeedButton {
        const char* name;
        QString tip;
        QStyle::StandardPixmap icon;
        void (TForm1::*slot)();
    };
    const SpeedButton buttons[] = {
        { "SpeedButton1", tr("Revenir au début"), QStyle::SP_MediaSkipBackward, &TForm1::revenir_debut },
        { "SpeedButton2", tr("Reculer d'un coup"), QStyle::SP_MediaSeekBackward, &TForm1::reprise },
        { "SpeedButton3", tr("Avancer d'un coup"), QStyle::SP_MediaSeekForward, &TForm1::avancer },
        { "SpeedButton4", tr("Aller à la fin"), QStyle::SP_MediaSkipForward, &TForm1::Aller_fin },
        { "SpeedButton5", tr("Inverser le damier"), QStyle::SP_BrowserReload, &TForm1::Inverser },
    };
    for (const SpeedButton& b : buttons) {
        auto* t = new QToolButton(liste);
        t->setObjectName(b.name);
        t->setToolTip(b.tip);
        t->setIcon(style()->standardIcon(b.icon));
        t->setAutoRaise(true);
        connect(t, &QToolButton::clicked, this, b.slot);
        speed->addWidget(t);
        if (b.slot != &TForm1::Inverser) navigationButtons_.push_back(t);
    }
    lv->addLayout(speed);
    onglet_->addTab(liste, tr("Coups joués"));

    auto* calcul = new QWidget;
    calcul->setObjectName("Calcul");
    auto* cv = new QVBoxLayout(calcul);
    cv->setContentsMargins(4, 4, 4, 4);
    // The root moves beside the statistics: both get the page's full height,
    // so the principal line under the six statistics lines stays in view.
    auto* lists = new QHBoxLayout;
    lists->setSpacing(4);
    listBox5_ = new QListWidget(calcul);
    listBox5_->setObjectName("ListBox5");
    listBox5_->setFont(QFont("monospace", 8));
    listBox2_ = new QListWidget(calcul);
    listBox2_->setObjectName("ListBox2");
    listBox2_->setFont(QFont("monospace", 8));
    for (QListWidget* l : { listBox5_, listBox2_ }) l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lists->addWidget(listBox5_, 1);
    lists->addWidget(listBox2_, 1);
    cv->addLayout(lists);
    auto* cb = new QHBoxLayout;
    joue_ = makeButton(calcul, "Joue", tr("Arrêter le calcul"));
    connect(joue_, &QPushButton::clicked, this, &TForm1::pause);
    auto* button9 = makeButton(calcul, "Button9", tr("Editer meilleurs coups"));
    connect(button9, &QPushButton::clicked, this, &TForm1::Best1Click);
    cb->addWidget(joue_);
    cb->addWidget(button9);
    cv->addLayout(cb);
    onglet_->addTab(calcul, tr("Calcul"));

    // Draw offer and resignation.
    proposernul_ = makeButton(central, "Proposernul", tr("Proposer nul"));
    proposernul_->setGeometry(kColumnX, 382, 155, 28);
    connect(proposernul_, &QPushButton::clicked, this, &TForm1::ProposernulClick);
    abandon2_ = makeButton(central, "Abandon2", tr("Abandonner"));
    abandon2_->setGeometry(kColumnX + 165, 382, 155, 28);
    connect(abandon2_, &QPushButton::clicked, this, &TForm1::AbandonClick);

    // The compulsory-capture notice.
    auto* notice = new QFrame(central);
    notice->setObjectName("Prise_obligatoire");
    notice->setGeometry(kColumnX, kNoticeRowY, kColumnWidth, 26);
    auto* nl = new QHBoxLayout(notice);
    nl->setContentsMargins(8, 0, 8, 0);
    nl->addWidget(makeLabel(notice, "Label29", tr("Prise")));
    nl->addWidget(makeLabel(notice, "Label30", tr("majoritaire")));
    nl->addWidget(makeLabel(notice, "Label31", tr("obligatoire")));
    nl->addStretch();
    notice->hide();
    panels_[GamePanel::CaptureNotice] = notice;

    // The end of a game and the draw messages sit beside the board, over the
    // tabs, so that the final position stays in view. Longer texts wrap.
    auto* fin = overlay(central, "fin_de_parties", QRect(kColumnX, kTabY + 30, kColumnWidth, 150));
    auto* fl = new QVBoxLayout(fin);
    quiGagne_ = makeLabel(fin, "qui_gagne", QString());
    quiGagne_->setAlignment(Qt::AlignCenter);
    quiGagne_->setWordWrap(true);
    fl->addWidget(quiGagne_);
    auto* finRow = new QHBoxLayout;
    auto* finOk = makeButton(fin, "Fermer_fin", tr("OK"));
    connect(finOk, &QPushButton::clicked, fin, &QWidget::hide);
    auto* finNew = makeButton(fin, "Nouvelle_fin", tr("Nouvelle partie"));
    connect(finNew, &QPushButton::clicked, this, &TForm1::NouvellePartieFinClick);
    finRow->addWidget(finOk);
    finRow->addWidget(finNew);
    fl->addLayout(finRow);
    panels_[GamePanel::FinDeParties] = fin;

    auto* nul = overlay(central, "Match_nul", QRect(kColumnX, kTabY + 40, kColumnWidth, 120));
    auto* ml = new QVBoxLayout(nul);
    ml->addWidget(makeLabel(nul, "Label13", tr("Korvelan propose le match nul")), 0, Qt::AlignCenter);
    ml->addWidget(makeLabel(nul, "Label14", tr("Appuyez sur OK pour accepter")), 0, Qt::AlignCenter);
    addOkCancel(nul, ml, "BitBtn14", "Annul_nul", &TForm1::BitBtn14Click, &TForm1::Annul_nulClick);
    panels_[GamePanel::MatchNul] = nul;

    // In the notices' row; it goes when the game moves on.
    auto* refus = overlay(central, "Nulrefus", QRect(kColumnX, kNoticeRowY, kColumnWidth, 26));
    auto* rl = new QVBoxLayout(refus);
    rl->setContentsMargins(6, 0, 6, 0);
    rl->addWidget(makeLabel(refus, "Label_nulrefus", tr("Nul refusé")), 0, Qt::AlignCenter);
    panels_[GamePanel::Nulrefus] = refus;

    // Beside the board, in the notice's place: over the board it would hide the
    // user's back row while the user plays on. The one shown last is on top.
    auto* zut = overlay(central, "Zut", QRect(kColumnX, kNoticeRowY, kColumnWidth, 26));
    auto* zl = new QVBoxLayout(zut);
    zl->setContentsMargins(6, 0, 6, 0);
    zl->addWidget(makeLabel(zut, "Label_zut", tr("Zut ! ce n'est pas cela que je voulais jouer.")), 0,
                  Qt::AlignCenter);
    panels_[GamePanel::Zut] = zut;

    // The new-game pages.
    nouvellePartie_ = new QTabWidget(central);
    nouvellePartie_->setObjectName("Nouvelle_partie");
    nouvellePartie_->setGeometry(79, 150, 380, 210);
    nouvellePartie_->setAutoFillBackground(true);
    auto* training = new QWidget;
    training->setObjectName("Entrainement");
    auto* tl = new QVBoxLayout(training);
    auto* tn = new QHBoxLayout;
    tn->addWidget(makeLabel(training, "Label15", tr("Joueur :")));
    joueur0_ = new QLineEdit(tr("Inconnu"), training);
    joueur0_->setObjectName("Joueur0");
    tn->addWidget(joueur0_);
    tl->addLayout(tn);
    auto* colour = new QGroupBox(tr("Couleur de Korvelan"), training);
    colour->setObjectName("RadioGroup2");
    auto* cl = new QHBoxLayout(colour);
    auto* blanc = new QRadioButton(tr("Blanc"), colour);
    blanc->setObjectName("Morvanel_blanc");
    morvanelNoir_ = new QRadioButton(tr("Noir"), colour);
    morvanelNoir_->setObjectName("Morvanel_noir");
    morvanelNoir_->setChecked(true);
    cl->addWidget(blanc);
    cl->addWidget(morvanelNoir_);
    tl->addWidget(colour);
    addOkCancel(training, tl, "BitBtn15", "BitBtn19", &TForm1::BitBtn15Click, &TForm1::Annule_nouveauClick);
    nouvellePartie_->addTab(training, tr("Entrainement"));

    auto* human = new QWidget;
    human->setObjectName("Humain");
    auto* hl = new QVBoxLayout(human);
    auto* names = new QFormLayout; // the two name boxes line up
    joueur2_ = new QLineEdit(human);
    joueur2_->setObjectName("Joueur2");
    names->addRow(makeLabel(human, "Label16", tr("Joueur blanc :")), joueur2_);
    joueur3_ = new QLineEdit(human);
    joueur3_->setObjectName("Joueur3");
    names->addRow(makeLabel(human, "Label17", tr("Joueur noir :")), joueur3_);
    hl->addLayout(names);
    addOkCancel(human, hl, "BitBtn17", "BitBtn18", &TForm1::BitBtn17Click, &TForm1::Annule_nouveauClick);
    nouvellePartie_->addTab(human, tr("Humain contre humain"));
    nouvellePartie_->hide();
    panels_[GamePanel::NouvellePartie] = nouvellePartie_;

    // The custom level.
    auto* p9 = overlay(central, "Panel9", QRect(99, 210, 340, 110));
    auto* pl = new QVBoxLayout(p9);
    auto* prow = new QHBoxLayout;
    prow->addWidget(makeLabel(p9, "N50coupsen", tr("30 coups en :")));
    nbminutes_ = new QLineEdit(p9);
    nbminutes_->setObjectName("Nbminutes");
    nbminutes_->setMaximumWidth(60);
    prow->addWidget(nbminutes_);
    prow->addWidget(makeLabel(p9, "Label_minutes", tr("minutes")));
    pl->addLayout(prow);
    // Says what is accepted when OK refuses the number typed.
    autreErreur_ = makeLabel(p9, "Autre_erreur", QString());
    autreErreur_->setWordWrap(true);
    autreErreur_->setStyleSheet("color: #a01c1c;");
    autreErreur_->hide();
    pl->addWidget(autreErreur_);
    addOkCancel(p9, pl, "BitBtn24", "BitBtn25", &TForm1::BitBtn24Click, &TForm1::BitBtn25Click);
    panels_[GamePanel::Panel9] = p9;
}

void TForm1::addOkCancel(QWidget* page, QBoxLayout* into, const char* okName, const char* cancelName,
                         void (TForm1::*onOk)(), void (TForm1::*onCancel)())
{
    auto* row = new QHBoxLayout;
    auto* ok = makeButton(page, okName, tr("OK"));
    auto* cancel = makeButton(page, cancelName, tr("Annuler"));
    connect(ok, &QPushButton::clicked, this, onOk);
    connect(cancel, &QPushButton::clicked, this, onCancel);
    row->addWidget(ok);
    row->addWidget(cancel);
    into->addLayout(row);
}

void TForm1::buildWelcome()
{
    welcome_ = new QWidget(centralWidget());
    welcome_->setObjectName("Bienvenue");
    welcome_->setAttribute(Qt::WA_StyledBackground);
    welcome_->setGeometry(centralWidget()->rect());
    auto* v = new QVBoxLayout(welcome_);
    v->addStretch();
    auto* title = makeLabel(welcome_, "Titre", tr("KORVELAN"));
    title->setAlignment(Qt::AlignCenter);
    v->addWidget(title);
    auto* version = makeLabel(welcome_, "Version", tr("Version 7.00"));
    version->setAlignment(Qt::AlignCenter);
    v->addWidget(version);
    auto* advice = makeLabel(welcome_, "Conseil", tr("Le jeu de dames sur 64 cases, contre l'ordinateur ou entre amis."));
    advice->setAlignment(Qt::AlignCenter);
    advice->setStyleSheet("color: #d9c49c;");
    v->addWidget(advice);
    auto* credits = makeLabel(welcome_, "Credits",
                              tr("Programme, moteur de jeu, tables de finales et images : l'équipe Korvelan."));
    credits->setAlignment(Qt::AlignCenter);
    credits->setStyleSheet("color: #bfa87e; font-size: 11px;");
    v->addWidget(credits);
    auto* screen = makeLabel(welcome_, "Conseil_ecran",
                             tr("Conseil : les damiers demandent une fenêtre d'au moins 860 x 560 points ; "
                                "l'aide (menu Aide) explique les règles et chaque menu."));
    screen->setAlignment(Qt::AlignCenter);
    screen->setWordWrap(true);
    screen->setStyleSheet("color: #bfa87e; font-size: 11px;");
    v->addWidget(screen);
    v->addSpacing(20);
    // The language buttons sit in this row once the languages exist.
    welcomeLanguages_ = new QWidget(welcome_);
    welcomeLanguages_->setObjectName("Langues");
    auto* languages = new QHBoxLayout(welcomeLanguages_);
    languages->setContentsMargins(0, 0, 0, 0);
    languages->addStretch();
    languages->addStretch();
    v->addWidget(welcomeLanguages_);
    // One button per board view; the flat board first.
    welcomeViews_ = new QWidget(welcome_);
    welcomeViews_->setObjectName("Vues");
    auto* views = new QHBoxLayout(welcomeViews_);
    views->setContentsMargins(0, 0, 0, 0);
    views->addStretch();
    auto* start = makeButton(welcomeViews_, "BoutonDamier2D", tr("Damier 2D"));
    start->setIcon(QIcon(session_.boardImage("1dba.bmp"))); // a white king, when the image is there
    start->setIconSize(QSize(36, 36));
    connect(start, &QPushButton::clicked, this, &TForm1::Damier2DClick);
    views->addWidget(start);
    views->addStretch();
    v->addWidget(welcomeViews_);
    v->addStretch();
    welcome_->raise();
}

} // namespace kv

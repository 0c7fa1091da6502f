#include "ui/Unit1.h"

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

namespace {

constexpr int kTopPanelY = 8;
constexpr int kBottomPanelY = 448;
constexpr int kColumnX = 530;
constexpr int kColumnWidth = 320;

// Captions of the level entries by handler name, French text as the source.
const char* levelCaption(const QString& handler)
{
    static const char* const captions[][2] = {
        { "Dbutant1", QT_TRANSLATE_NOOP("TForm1", "0 : Néophyte") },
        { "Niveau01", QT_TRANSLATE_NOOP("TForm1", "1 : Débutant") },
        { "Niveau02", QT_TRANSLATE_NOOP("TForm1", "2 : Amateur") },
        { "Niveau03", QT_TRANSLATE_NOOP("TForm1", "3 : Promotion") },
        { "Niveau04", QT_TRANSLATE_NOOP("TForm1", "4 : Honneur") },
        { "Niveau05", QT_TRANSLATE_NOOP("TForm1", "5 : Excellence") },
        { "Niveau06", QT_TRANSLATE_NOOP("TForm1", "6 : Maître") },
        { "Niveau07", QT_TRANSLATE_NOOP("TForm1", "7 : Grand Maître") },
        { "Niveau081", QT_TRANSLATE_NOOP("TForm1", "8 : Grand Maître International") },
        { "niveau1", QT_TRANSLATE_NOOP("TForm1", "1 : 30 coups en 3 mn") },
        { "niveau2", QT_TRANSLATE_NOOP("TForm1", "2 : 30 coups en 5 mn") },
        { "niveau3", QT_TRANSLATE_NOOP("TForm1", "3 : 30 coups en 10 mn") },
        { "niveau4", QT_TRANSLATE_NOOP("TForm1", "4 : 30 coups en 30 mn") },
        { "niveau5", QT_TRANSLATE_NOOP("TForm1", "5 : 30 coups en 1 h") },
        { "niveau6", QT_TRANSLATE_NOOP("TForm1", "6 : 30 coups en 2 h") },
        { "niveau7", QT_TRANSLATE_NOOP("TForm1", "7 : long, long") },
    };
    for (const auto& c : captions)
        if (handler == QLatin1String(c[0])) return c[1];
    return "";
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

// A panel laid over the board, hidden until the game shows it.
QFrame* overlay(QWidget* parent, const char* name, QRect geometry)
{
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::StyledPanel);
    f->setGeometry(geometry);
    f->setAutoFillBackground(true);
    f->hide();
    return f;
}

} // namespace

TForm1::TForm1(const QString& programDir, QWidget* parent) : QMainWindow(parent), programDir_(programDir)
{
    setObjectName("TForm1");
    setWindowTitle(tr("Korvelan 3D, le jeu"));
    game_.newGame();
    game_.whiteName = tr("Inconnu").toStdString();
    game_.blackName = "Korvelan";
    game_.storeRecordEntry(0);

    // The shipped key file; the learned positions were stored under these
    // keys. Without it the engine uses the same keys built from their seed,
    // and Introduction tells the user the file is damaged or missing.
    std::string keyError;
    auto keys = loadHashKeys((programDir_ + "/hashkey33.dat").toStdString(), keyError);
    if (!keys) keyError_ = QString::fromStdString(keyError);
    search_ = std::make_unique<SearchContext>(keys ? *keys : HashKeyTables::generated());
    search_->observer = this;
    controller_ = std::make_unique<GameController>(game_, *search_, *this);
    controller_->enterLoop = [this] { enterLoop(); };
    sounds_ = new SoundPlayer(programDir_, this);

    auto* central = new QWidget(this);
    central->setObjectName("Fond");
    central->setFixedSize(kColumnX + kColumnWidth + 8, 520);
    setCentralWidget(central);

    board_ = new Damier2D(controller_->picture(), central);
    board_->move(0, 0);
    board_->onClick = [this](Cell c) { controller_->clic(c); };

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &TForm1::ajouter_temps);

    buildMenus();
    buildPanels();
    buildWelcome();
    setStyleSheet(
        "QWidget#Fond { background: #e9dfcc; }"
        "QFrame#Panel6, QFrame#Panel7 { background: #f7f1e4; border: 1px solid #b59c74; border-radius: 6px; }"
        "QFrame#Panel6[trait=\"true\"], QFrame#Panel7[trait=\"true\"] { border: 3px solid #c08a1e; }"
        "QLabel#Nom_blanc, QLabel#Nom_noir { font-weight: bold; font-size: 14px; }"
        "QLabel#minblanc, QLabel#secblanc, QLabel#minnoir, QLabel#secnoir {"
        "  font-family: monospace; font-size: 22px; font-weight: bold; color: #2b2118; }"
        "QLabel#Panel11 { background: #5a3a22; color: #f7f1e4; border-radius: 4px; padding: 2px 6px; font-weight: bold; }"
        "QFrame#fin_de_parties { background: #fffaf0; border: 2px solid #5a3a22; border-radius: 8px; }"
        "QLabel#qui_gagne { font-size: 20px; font-weight: bold; color: #5a3a22; }"
        "QFrame#Match_nul, QFrame#Nulrefus, QFrame#Panel9, QTabWidget#Nouvelle_partie {"
        "  background: #fffaf0; }"
        "QFrame#Prise_obligatoire, QFrame#Zut { background: #fde6a8; border: 1px solid #c08a1e; border-radius: 4px; }"
        "QWidget#Bienvenue { background: #3b2a1c; }"
        "QLabel#Titre { color: #f4e3c1; font-size: 40px; font-weight: bold; }"
        "QLabel#Version { color: #d9c49c; font-size: 14px; }"
        "QPushButton#BoutonDamier2D { font-size: 18px; padding: 10px 24px; }");
    refreshStatus();
    refreshMoveList();
}

TForm1::~TForm1()
{
    search_->observer = nullptr;
}

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
    QAction* d2 = addAction(affichage, "Damier2D1", tr("Damier 2D"), nullptr);
    d2->setCheckable(true);
    d2->setChecked(true);
    d2->setEnabled(false); // the only view for now: always the one shown
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
        const QString name = QString::fromLatin1(e.handler.data(), static_cast<int>(e.handler.size()));
        QAction* a = menu->addAction(tr(levelCaption(name)));
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

    QMenu* options = bar->addMenu(tr("Options"));
    options->setObjectName("Options1");
    QAction* num = addOption(options, "Numroterlescase1", tr("Numéroter les cases"), false, &GameOptions::numbering);
    disconnect(num, &QAction::toggled, this, nullptr);
    connect(num, &QAction::triggered, this, [this] {
        controller_->numerotation();
        syncOptionChecks();
    });
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
    // Widths fit the longest texts: "Humain contre humain", "Coups : 126".
    panel11_ = makeLabel(central, "Panel11", tr("Entraînement"));
    panel11_->setGeometry(kColumnX, 78, 190, 22);
    couleurordi_ = makeLabel(central, "Couleurordi", QString());
    couleurordi_->setGeometry(kColumnX + 200, 78, 120, 22);
    trait_ = makeLabel(central, "Trait", QString());
    trait_->setGeometry(kColumnX, 102, 104, 20);
    basHaut_ = makeLabel(central, "Bas_Haut", QString());
    basHaut_->setAlignment(Qt::AlignCenter);
    basHaut_->setGeometry(kColumnX + 104, 102, 124, 20);
    nbcoups_ = makeLabel(central, "Nbcoups3d", QString());
    nbcoups_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    nbcoups_->setGeometry(kColumnX + 228, 102, 92, 20);

    // The tab control: the move list with the speed buttons, and the engine's thinking.
    onglet_ = new QTabWidget(central);
    onglet_->setObjectName("Onglet");
    onglet_->setGeometry(kColumnX, 126, kColumnWidth, 250);
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
    notice->setGeometry(kColumnX, 416, kColumnWidth, 26);
    auto* nl = new QHBoxLayout(notice);
    nl->setContentsMargins(8, 0, 8, 0);
    nl->addWidget(makeLabel(notice, "Label29", tr("Prise")));
    nl->addWidget(makeLabel(notice, "Label30", tr("majoritaire")));
    nl->addWidget(makeLabel(notice, "Label31", tr("obligatoire")));
    nl->addStretch();
    notice->hide();
    panels_[GamePanel::CaptureNotice] = notice;

    // Panels over the board.
    // Wide enough for "Vous abandonnez, gain KORVELAN"; longer texts wrap.
    auto* fin = overlay(central, "fin_de_parties", QRect(39, 195, 440, 130));
    auto* fl = new QVBoxLayout(fin);
    quiGagne_ = makeLabel(fin, "qui_gagne", QString());
    quiGagne_->setAlignment(Qt::AlignCenter);
    quiGagne_->setWordWrap(true);
    fl->addWidget(quiGagne_);
    auto* finOk = makeButton(fin, "Fermer_fin", tr("OK"));
    connect(finOk, &QPushButton::clicked, fin, &QWidget::hide);
    fl->addWidget(finOk, 0, Qt::AlignCenter);
    panels_[GamePanel::FinDeParties] = fin;

    auto* nul = overlay(central, "Match_nul", QRect(99, 200, 340, 120));
    auto* ml = new QVBoxLayout(nul);
    ml->addWidget(makeLabel(nul, "Label13", tr("Korvelan propose le match nul")), 0, Qt::AlignCenter);
    ml->addWidget(makeLabel(nul, "Label14", tr("Appuyez sur OK pour accepter")), 0, Qt::AlignCenter);
    auto* mb = new QHBoxLayout;
    auto* ok14 = makeButton(nul, "BitBtn14", tr("OK"));
    auto* annulNul = makeButton(nul, "Annul_nul", tr("Annuler"));
    connect(ok14, &QPushButton::clicked, this, &TForm1::BitBtn14Click);
    connect(annulNul, &QPushButton::clicked, this, &TForm1::Annul_nulClick);
    mb->addWidget(ok14);
    mb->addWidget(annulNul);
    ml->addLayout(mb);
    panels_[GamePanel::MatchNul] = nul;

    auto* refus = overlay(central, "Nulrefus", QRect(169, 240, 200, 40));
    // It goes with the next click on the board: that click may land on it.
    refus->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* rl = new QVBoxLayout(refus);
    rl->addWidget(makeLabel(refus, "Label_nulrefus", tr("Nul refusé")), 0, Qt::AlignCenter);
    panels_[GamePanel::Nulrefus] = refus;

    // Beside the board, in the notice's place: over the board it would hide the
    // user's back row while the user plays on. The one shown last is on top.
    auto* zut = overlay(central, "Zut", QRect(kColumnX, 416, kColumnWidth, 26));
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
    auto* tb = new QHBoxLayout;
    auto* ok15 = makeButton(training, "BitBtn15", tr("OK"));
    auto* cancel19 = makeButton(training, "BitBtn19", tr("Annuler"));
    connect(ok15, &QPushButton::clicked, this, &TForm1::BitBtn15Click);
    connect(cancel19, &QPushButton::clicked, this, &TForm1::Annule_nouveauClick);
    tb->addWidget(ok15);
    tb->addWidget(cancel19);
    tl->addLayout(tb);
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
    auto* hbb = new QHBoxLayout;
    auto* ok17 = makeButton(human, "BitBtn17", tr("OK"));
    auto* cancel18 = makeButton(human, "BitBtn18", tr("Annuler"));
    connect(ok17, &QPushButton::clicked, this, &TForm1::BitBtn17Click);
    connect(cancel18, &QPushButton::clicked, this, &TForm1::Annule_nouveauClick);
    hbb->addWidget(ok17);
    hbb->addWidget(cancel18);
    hl->addLayout(hbb);
    nouvellePartie_->addTab(human, tr("Humain contre humain"));
    nouvellePartie_->hide();
    panels_[GamePanel::NouvellePartie] = nouvellePartie_;

    // The custom level.
    auto* p9 = overlay(central, "Panel9", QRect(119, 220, 300, 80));
    auto* pl = new QVBoxLayout(p9);
    auto* prow = new QHBoxLayout;
    prow->addWidget(makeLabel(p9, "N50coupsen", tr("30 coups en :")));
    nbminutes_ = new QLineEdit(p9);
    nbminutes_->setObjectName("Nbminutes");
    nbminutes_->setMaximumWidth(60);
    prow->addWidget(nbminutes_);
    prow->addWidget(makeLabel(p9, "Label_minutes", tr("minutes")));
    pl->addLayout(prow);
    auto* pb = new QHBoxLayout;
    auto* ok24 = makeButton(p9, "BitBtn24", tr("OK"));
    auto* cancel25 = makeButton(p9, "BitBtn25", tr("Annuler"));
    connect(ok24, &QPushButton::clicked, this, &TForm1::BitBtn24Click);
    connect(cancel25, &QPushButton::clicked, this, &TForm1::BitBtn25Click);
    pb->addWidget(ok24);
    pb->addWidget(cancel25);
    pl->addLayout(pb);
    panels_[GamePanel::Panel9] = p9;
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
    v->addSpacing(30);
    auto* start = makeButton(welcome_, "BoutonDamier2D", tr("Damier 2D"));
    start->setIcon(QIcon(programDir_ + "/Images1i/1dba.bmp")); // a white king, when the image is there
    start->setIconSize(QSize(36, 36));
    connect(start, &QPushButton::clicked, this, &TForm1::Damier2DClick);
    v->addWidget(start, 0, Qt::AlignCenter);
    v->addStretch();
    welcome_->raise();
}

// ------------------------------------------------------------------ start and quit

void TForm1::Damier2DClick()
{
    Introduction();
    welcome_->hide();
    welcome_->deleteLater();
    welcome_ = nullptr;
    menuBar()->setEnabled(true);
    enterLoop();
}

void TForm1::Introduction()
{
    if (introduced_) return;
    introduced_ = true;
    QDir::setCurrent(programDir_);
    missingImages_ = board_->loadImages(programDir_ + "/Images1i");
    if (!missingImages_.isEmpty()) {
        qWarning("Images1i: %s missing, the board is drawn plainly", qPrintable(missingImages_.join(", ")));
        statusBar()->showMessage(tr("Images manquantes : %1").arg(missingImages_.join(", ")), 10000);
    }
    if (!keyError_.isEmpty()) {
        qWarning("%s", qPrintable(keyError_));
        statusBar()->showMessage(keyError_, 10000);
    }
    // The endgame tables are read on the first probe, "damas.dat" now.
    knowledge_ = std::make_unique<EndgameKnowledge>(programDir_.toStdString(), [this](const std::string& m) {
        qWarning("%s", m.c_str());
        statusBar()->showMessage(QString::fromStdString(m), 10000);
    });
    knowledge_->loadLearnedPositions();
    search_->setKnowledge(*knowledge_);
    controller_->remplir();
    game_.enginePlaysBlack = 1;
    game_.whiteName = tr("Inconnu").toStdString();
    game_.blackName = "Korvelan";
    game_.storeRecordEntry(0);
    search_->clearTranspositionTable();
    refreshStatus();
}

void TForm1::enterLoop()
{
    if (controller_->loopRunning() || externalLoop_) return;
    QTimer::singleShot(0, this, [this] {
        if (!controller_->loopRunning()) controller_->PlayLoop();
    });
}

void TForm1::quitter() { controller_->quitter(); }

void TForm1::closeEvent(QCloseEvent* e)
{
    controller_->exiter();
    if (!controller_->quitRequested()) controller_->quitter();
    e->accept();
}

void TForm1::quitApplication() { QCoreApplication::exit(0); }

// ------------------------------------------------------------------ commands

void TForm1::Nouveau2Click()
{
    search_->state.stopRequested = true;
    listBox1_->clear();
    nouvellePartie_->show();
    nouvellePartie_->raise();
}

void TForm1::BitBtn15Click()
{
    nouvellePartie_->hide();
    controller_->newTraining(joueur0_->text(), morvanelNoir_->isChecked());
    syncOptionChecks();
}

void TForm1::BitBtn17Click()
{
    if (joueur2_->text().trimmed().isEmpty() || joueur3_->text().trimmed().isEmpty()) return;
    nouvellePartie_->hide();
    controller_->newHumanGame(joueur2_->text(), joueur3_->text());
    syncOptionChecks();
}

void TForm1::Annule_nouveauClick()
{
    nouvellePartie_->hide();
    refreshMoveList();
    boardChanged();
}

void TForm1::inverser_joueurs() { controller_->inverser_joueurs(); }
void TForm1::ProposernulClick() { controller_->ProposernulClick(); }
void TForm1::BitBtn14Click() { controller_->BitBtn14Click(); }
void TForm1::Annul_nulClick() { controller_->Annul_nulClick(); }
void TForm1::AbandonClick() { controller_->AbandonClick(); }
void TForm1::pause() { controller_->pause(); }
void TForm1::reprise() { controller_->reprise(); }
void TForm1::avancer() { controller_->avancer(); }
void TForm1::revenir_debut() { controller_->revenir_debut(); }
void TForm1::Aller_fin() { controller_->Aller_fin(); }
void TForm1::Inverser() { controller_->Inverser(); }
void TForm1::ajouter_temps() { controller_->ajouter_temps(); }
void TForm1::Horlogeszro1Click() { controller_->Horlogeszro1Click(); }

void TForm1::Best1Click()
{
    QFile f("Bestmove.txt");
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        statusBar()->showMessage(tr("Impossible d'ouvrir ce fichier"), 5000);
        return;
    }
    QTextStream out(&f);
    for (int i = 0; i < listBox2_->count(); ++i) out << listBox2_->item(i)->text() << '\n';
}

void TForm1::Pause2Click()
{
    QAction* a = actions_["Pause2"];
    if (!timer1_->isActive()) {
        controller_->restartClocks();
        timer1_->start();
    } else {
        timer1_->stop();
    }
    a->setChecked(!timer1_->isActive());
}

void TForm1::setLevelEntry(const LevelSetting& level)
{
    controller_->setLevel(level);
    for (const auto& [name, action] : actions_)
        if (action->actionGroup() == levelGroup_) action->setChecked(false);
    for (const LevelEntry& e : levelTable())
        if (e.setting.index == level.index) actions_[QString::fromLatin1(e.handler.data(), int(e.handler.size()))]->setChecked(true);
    if (level.index == 18) actions_["N8Autre1"]->setChecked(true);
    if (nbminutes_) nbminutes_->setText(QString::number(level.minutes));
}

void TForm1::N8Autre1Click()
{
    // The check mark follows the level in force until the panel's OK.
    setLevelEntry(controller_->level());
    nbminutes_->setText(QString::number(controller_->level().minutes));
    panels_[GamePanel::Panel9]->show();
    panels_[GamePanel::Panel9]->raise();
}

void TForm1::BitBtn24Click()
{
    bool ok = false;
    const int n = nbminutes_->text().trimmed().toInt(&ok);
    const std::optional<LevelSetting> level = ok ? customLevel(n) : std::nullopt;
    if (!level) return; // not a positive number: the panel stays
    panels_[GamePanel::Panel9]->hide();
    setLevelEntry(*level);
}

void TForm1::BitBtn25Click()
{
    panels_[GamePanel::Panel9]->hide();
    boardChanged();
}

// ------------------------------------------------------------------ GameView

void TForm1::boardChanged() { board_->update(); }

void TForm1::showPanel(GamePanel panel, bool shown)
{
    auto it = panels_.find(panel);
    if (it == panels_.end()) return;
    it->second->setVisible(shown);
    if (shown) it->second->raise();
}

void TForm1::showEndMessage(const QString& text) { quiGagne_->setText(text); }

void TForm1::playSound(Sound sound) { sounds_->play(sound); }

void TForm1::syncOptionChecks()
{
    for (auto& [action, field] : optionActions_) {
        QSignalBlocker block(action);
        action->setChecked(controller_->options.*field);
    }
    QSignalBlocker b1(actions_["Humaincontrehumain1"]);
    actions_["Humaincontrehumain1"]->setChecked(controller_->options.humanVsHuman);
    QSignalBlocker b2(actions_["Ordinateurcontreordinateur1"]);
    actions_["Ordinateurcontreordinateur1"]->setChecked(controller_->options.computerVsComputer);
}

void TForm1::refreshStatus()
{
    const GameController& c = *controller_;
    const std::array<int, 5> pc = c.pieceCounts();
    auto count = [this](int n) { return QString("%1 %2").arg(n).arg(n > 1 ? tr("pièces") : tr("pièce")); };
    nbBlancs_->setText(count(pc[1] + pc[2]));
    nbNoirs_->setText(count(pc[3] + pc[4]));
    nomBlanc_->setText(QString::fromStdString(game_.whiteName) + tr(" (blancs)"));
    nomNoir_->setText(QString::fromStdString(game_.blackName) + tr(" (noirs)"));
    couleurordi_->setText(game_.enginePlaysBlack ? tr("Ordinateur noir") : tr("Ordinateur blanc"));
    couleurordi_->setVisible(!c.options.humanVsHuman);
    basHaut_->setText(game_.orientation ? tr("Blancs:Haut->Bas") : tr("Blancs:Bas->Haut"));
    nbcoups_->setText(tr("Coups : %1").arg(game_.gamePly / 2 + 1));
    trait_->setText(game_.side == White ? tr("Trait aux blancs") : tr("Trait aux noirs"));
    if (c.matchState() == 1) panel11_->setText(tr("Match"));
    else if (c.options.humanVsHuman) panel11_->setText(tr("Humain contre humain"));
    else panel11_->setText(tr("Entraînement"));

    // The panel of the side to move is framed in gold.
    for (auto [panel, side] : { std::pair { panel6_, Black }, { panel7_, White } }) {
        const bool toMove = game_.side == side;
        if (panel->property("trait").toBool() != toMove) {
            panel->setProperty("trait", toMove);
            panel->style()->unpolish(panel);
            panel->style()->polish(panel);
        }
    }

    // Each player's panel stays on that player's side of the board.
    const bool turned = game_.orientation != 0;
    panel6_->move(kColumnX, turned ? kBottomPanelY : kTopPanelY);
    panel7_->move(kColumnX, turned ? kTopPanelY : kBottomPanelY);
    syncOptionChecks();
}

void TForm1::refreshMoveList()
{
    const auto& lines = game_.moveList.lines();
    QSignalBlocker block(listBox1_);
    if (listBox1_->count() != static_cast<int>(lines.size())) {
        listBox1_->clear();
        for (const std::string& l : lines) listBox1_->addItem(QString::fromStdString(l));
    } else {
        for (int i = 0; i < listBox1_->count(); ++i) listBox1_->item(i)->setText(QString::fromStdString(lines[i]));
    }
    const int sel = game_.moveList.selected();
    if (sel >= 0 && sel < listBox1_->count()) {
        listBox1_->setCurrentRow(sel);
        listBox1_->scrollToItem(listBox1_->item(sel));
    } else {
        listBox1_->clearSelection();
    }
}

void TForm1::showClock(int side, const ClockText& text)
{
    QLabel* min = side == White ? minblanc_ : minnoir_;
    QLabel* sec = side == White ? secblanc_ : secnoir_;
    min->setText(QString::fromStdString(text.minutes));
    sec->setText(QString::fromStdString(text.seconds));
}

void TForm1::applyCommandStates(const CommandStates& s)
{
    actions_["Nouveau2"]->setEnabled(s.newGame);
    actions_["Humaincontrehumain1"]->setEnabled(s.humanVsHuman);
    fichier_->setEnabled(s.fileMenu);
    actions_["Quitter1"]->setEnabled(s.quit);
    edition_->setEnabled(s.editMenu);
    for (QWidget* w : navigationButtons_) w->setEnabled(s.navigationButtons);
    joueurs_->setEnabled(s.playersMenu);
    niveau_->setEnabled(s.levelMenu);
    actions_["Numroterlescase1"]->setEnabled(s.numbering);
    actions_["Rflexionsurtempsadverse1"]->setEnabled(s.ponder);
    actions_["Horlogeszro1"]->setEnabled(s.clocksToZero);
    actions_["Pause1"]->setEnabled(s.stopSearch);
    actions_["Arretrflexionparclicsouris1"]->setEnabled(s.stopByClick);
    proposernul_->setEnabled(s.offerDraw);
    if (s.busyCursor) board_->setCursor(Qt::WaitCursor);
    else board_->unsetCursor();
}

bool TForm1::clockTimerRunning() const { return timer1_->isActive(); }

void TForm1::startClockTimer()
{
    timer1_->start();
    actions_["Pause2"]->setChecked(false);
}

void TForm1::processEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void TForm1::waitForEvents()
{
    if (!externalLoop_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    else QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// ------------------------------------------------------------------ SearchObserver

void TForm1::clearRootLines()
{
    listBox5_->clear();
}

void TForm1::setRootLine(int index, const std::string& text)
{
    if (index < 0) return;
    while (listBox5_->count() < index) listBox5_->addItem(QString());
    if (index < listBox5_->count()) delete listBox5_->takeItem(index);
    listBox5_->insertItem(index, QString::fromStdString(text));
}

void TForm1::statistics(const std::vector<std::string>& lines)
{
    listBox2_->clear();
    for (const std::string& l : lines) listBox2_->addItem(QString::fromStdString(l));
}

void TForm1::clock(SideToMove side, int usedSeconds)
{
    if (search_->state.unlimitedTime) return;
    showClock(side, clockText(usedSeconds));
}

} // namespace kv

// The main window's widgets: menus, panels, tabs and the welcome panel.
#include "ui/level_menu.h"
#include "ui/main_window.h"
#include "ui/window_parts.h"

#include "ui/board_views.h"
#include "ui/custom_level_panel.h"
#include "ui/draw_offer_panel.h"
#include "ui/engine_options.h"
#include "ui/game_end_panel.h"
#include "ui/game_exchange.h"
#include "ui/game_files.h"
#include "ui/new_game_panel.h"
#include "ui/opening_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

using namespace window_parts;

// ------------------------------------------------------------------ layout

QAction* MainWindow::addAction(QMenu* menu, const char* name, const QString& text,
                               void (MainWindow::*slot)(), const QKeySequence& key)
{
    auto* a = menu->addAction(text);
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    if (slot) connect(a, &QAction::triggered, this, slot);
    actions_[name] = a;
    return a;
}

QAction* MainWindow::addOption(QMenu* menu, const char* name, const QString& text, bool checked,
                               bool GameOptions::*field)
{
    auto* a = menu->addAction(text);
    a->setObjectName(name);
    a->setCheckable(true);
    a->setChecked(checked);
    controller_->options.*field = checked;
    connect(a, &QAction::toggled, this,
            [this, field](bool on) { controller_->options.*field = on; });
    actions_[name] = a;
    optionActions_.emplace_back(a, field);
    return a;
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();

    fileMenu_ = bar->addMenu(tr("Fichier"));
    fileMenu_->setObjectName("Fichier1");
    addAction(fileMenu_, "Nouveau2", tr("Nouveau"), &MainWindow::askNewGame,
              QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* hh = addAction(fileMenu_, "Humaincontrehumain1", tr("Humain contre humain"), nullptr,
                            QKeySequence(Qt::CTRL | Qt::Key_H));
    hh->setCheckable(true);
    connect(hh, &QAction::triggered, this, [this] {
        controller_->toggleHumanVsHuman();
        syncOptionChecks();
    });
    QAction* cc
        = addAction(fileMenu_, "Ordinateurcontreordinateur1", tr("Ordinateur contre ordinateur"),
                    nullptr, QKeySequence(Qt::CTRL | Qt::Key_J));
    cc->setCheckable(true);
    connect(cc, &QAction::triggered, this, [this] {
        controller_->toggleComputerVsComputer();
        syncOptionChecks();
    });
    addAction(fileMenu_, "Abandon1", tr("Abandonner"), &MainWindow::resign);
    QAction* hint = addAction(fileMenu_, "Conseil1", tr("Conseil"), nullptr,
                              QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(hint, &QAction::triggered, this, [this] { controller_->showHint(); });
    fileMenu_->addSeparator();
    connect(
        addAction(fileMenu_, "Ouvrir1", tr("Ouvrir"), nullptr, QKeySequence(Qt::CTRL | Qt::Key_O)),
        &QAction::triggered, gameFiles_.get(), &GameFiles::openGame);
    connect(
        addAction(fileMenu_, "Sauver1", tr("Sauver"), nullptr, QKeySequence(Qt::CTRL | Qt::Key_S)),
        &QAction::triggered, gameFiles_.get(), &GameFiles::saveGame);
    fileMenu_->addSeparator();
    addAction(fileMenu_, "Quitter1", tr("Quitter"), &MainWindow::quitAndKeepGame,
              QKeySequence(Qt::ALT | Qt::Key_X));

    editMenu_ = bar->addMenu(tr("Edition"));
    editMenu_->setObjectName("Edition1");
    addAction(editMenu_, "Reprendrecoups1", tr("Reprendre coups"), &MainWindow::stepBack,
              QKeySequence(Qt::Key_F1));
    addAction(editMenu_, "Avancercoups1", tr("Avancer coups"), &MainWindow::stepForward,
              QKeySequence(Qt::Key_F2));
    addAction(editMenu_, "Reveniraudbut1", tr("Revenir au début"), &MainWindow::goToStart,
              QKeySequence(Qt::CTRL | Qt::Key_F1));
    addAction(editMenu_, "Allerlafin1", tr("Aller à la fin"), &MainWindow::goToEnd,
              QKeySequence(Qt::CTRL | Qt::Key_F2));

    QMenu* affichage = bar->addMenu(tr("Affichage"));
    affichage->setObjectName("Affichage1");
    views_->addViewMenu(affichage);
    affichage->addSeparator();
    addAction(affichage, "Inverserdamier1", tr("Inverser damier"), &MainWindow::flipBoard,
              QKeySequence(Qt::Key_F3));

    playersMenu_ = bar->addMenu(tr("Joueurs"));
    playersMenu_->setObjectName("Joueurs1");
    addAction(playersMenu_, "Inverserlesjoueurs1", tr("Inverser les joueurs"),
              &MainWindow::swapSides, QKeySequence(Qt::Key_F4));

    levelMenu_ = bar->addMenu(tr("Niveau"));
    levelMenu_->setObjectName("Niveau1");
    levelGroup_ = new QActionGroup(this);
    levelGroup_->setExclusive(true);
    QMenu* special = nullptr;
    for (const LevelEntry& e : levelTable()) {
        QMenu* menu = levelMenu_;
        if (e.special) {
            if (!special) {
                special = levelMenu_->addMenu(tr("Spécial"));
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
    QAction* autre = addAction(levelMenu_, "N8Autre1", tr("Autre"), &MainWindow::askCustomLevel);
    autre->setCheckable(true);
    levelGroup_->addAction(autre);
    setLevelEntry(kDefaultLevel);

    openings_ = std::make_unique<OpeningMenu>(*this, session_);
    openingsMenu_ = bar->findChild<QMenu*>("Ouvertures1");

    QMenu* options = bar->addMenu(tr("Options"));
    options->setObjectName("Options1");
    QAction* num = addOption(options, "Numroterlescase1", tr("Numéroter les cases"), false,
                             &GameOptions::numbering);
    disconnect(num, &QAction::toggled, this, nullptr);
    connect(num, &QAction::triggered, this, [this] {
        controller_->toggleNumbering();
        syncOptionChecks();
    });
    // An option of its own with nothing that reads it: the check mark only.
    addAction(options, "Alphabeticalnumber1", tr("Notation alphabétique"), nullptr)
        ->setCheckable(true);
    addAction(options, "Pause1", tr("Arrêt du calcul"), &MainWindow::stopThinking);
    addAction(options, "Horlogeszro1", tr("Horloges à zéro"), &MainWindow::resetClocks);
    QAction* pause2 = addAction(options, "Pause2", tr("Pause"), &MainWindow::toggleClockPause);
    pause2->setCheckable(true); // the clocks run from the user's first click, unpaused
    options->addSeparator();
    addOption(options, "Rflexionsurtempsadverse1", tr("Réflexion sur temps adverse"), true,
              &GameOptions::ponder);
    addOption(options, "Arretrflexionparclicsouris1", tr("Arrêt réflexion par clic souris"), true,
              &GameOptions::stopByClick);
    addOption(options, "Indicationdesmouvements1", tr("Indication des mouvements"), true,
              &GameOptions::moveIndication);
    addOption(options, "Dcomposerlesprises1", tr("Décomposer les prises"), true,
              &GameOptions::decomposeCaptures);
    addOption(options, "Coupuniquejoue1", tr("Coup unique joué d'un clic"), false,
              &GameOptions::singleClickMove);
    QAction* blind
        = addOption(options, "Jeuenaveugle1", tr("Jeu en aveugle"), false, &GameOptions::blind);
    disconnect(blind, &QAction::toggled, this, nullptr);
    connect(blind, &QAction::triggered, this, [this] {
        controller_->toggleBlindPlay();
        syncOptionChecks();
    });
    QMenu* sons = options->addMenu(tr("Sons"));
    sons->setObjectName("Bipchaquecoup1");
    addOption(sons, "Bipchaquecoup2", tr("Bip à chaque coup"), true, &GameOptions::beep);
    addOption(sons, "Commentaires1", tr("Autres"), true, &GameOptions::otherSounds);
    engineOptions_ = std::make_unique<EngineOptions>(*this, session_, options);
    exchange_ = std::make_unique<GameExchange>(*this, session_);
    menuBar()->setEnabled(false); // until a board view is chosen on the welcome panel
}

void MainWindow::buildPanels()
{
    QWidget* central = centralWidget();

    // The two player panels: name, clock and piece counter.
    auto playerPanel = [&](const char* name, const char* nameLabel, QLabel*& nom,
                           const char* minName, QLabel*& min, const char* secName, QLabel*& sec,
                           const char* countName, QLabel*& count, int y) {
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
    topPlayerPanel_ = playerPanel("Panel6", "Nom_noir", blackNameLabel_, "minnoir", blackMinutes_,
                                  "secnoir", blackSeconds_, "Nbnoirs", blackCount_, kTopPanelY);
    bottomPlayerPanel_
        = playerPanel("Panel7", "Nom_blanc", whiteNameLabel_, "minblanc", whiteMinutes_, "secblanc",
                      whiteSeconds_, "Nbblancs", whiteCount_, kBottomPanelY);

    // Mode, colours, direction and move number.
    // Widths fit the longest texts of the six languages: "Humain contre
    // humain", "Computador brancas", "Vez das brancas", "Wit:Beneden->Boven",
    // "Jugadas: 126".
    modeLabel_ = makeLabel(central, "Panel11", tr("Entraînement"));
    modeLabel_->setGeometry(kColumnX, 78, 176, 22);
    computerColourLabel_ = makeLabel(central, "Couleurordi", QString());
    computerColourLabel_->setGeometry(kColumnX + 182, 78, 138, 22);
    turnLabel_ = makeLabel(central, "Trait", QString());
    turnLabel_->setGeometry(kColumnX, 102, 104, 20);
    orientationLabel_ = makeLabel(central, "Bas_Haut", QString());
    orientationLabel_->setAlignment(Qt::AlignCenter);
    orientationLabel_->setGeometry(kColumnX + 104, 102, 136, 20);
    moveNumberLabel_ = makeLabel(central, "Nbcoups3d", QString());
    moveNumberLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    moveNumberLabel_->setGeometry(kColumnX + 240, 102, 80, 20);

    // The tab control: the move list with the speed buttons, and the engine's thinking.
    tabs_ = new QTabWidget(central);
    tabs_->setObjectName("Onglet");
    tabs_->setGeometry(kColumnX, kTabY, kColumnWidth, kTabHeight);
    auto* liste = new QWidget;
    liste->setObjectName("Liste");
    auto* lv = new QVBoxLayout(liste);
    lv->setContentsMargins(4, 4, 4, 4);
    moveList_ = new QListWidget(liste);
    moveList_->setObjectName("ListBox1");
    moveList_->setFont(QFont("monospace", 10));
    lv->addWidget(moveList_);
    connect(moveList_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { controller_->goToLine(moveList_->row(item)); });
    auto* speed = new QHBoxLayout;
    struct SpeedButton {
        const char* name;
        QString tip;
        QStyle::StandardPixmap icon;
        void (MainWindow::*slot)();
    };
    const SpeedButton buttons[] = {
        { "SpeedButton1", tr("Revenir au début"), QStyle::SP_MediaSkipBackward,
          &MainWindow::goToStart },
        { "SpeedButton2", tr("Reculer d'un coup"), QStyle::SP_MediaSeekBackward,
          &MainWindow::stepBack },
        { "SpeedButton3", tr("Avancer d'un coup"), QStyle::SP_MediaSeekForward,
          &MainWindow::stepForward },
        { "SpeedButton4", tr("Aller à la fin"), QStyle::SP_MediaSkipForward, &MainWindow::goToEnd },
        { "SpeedButton5", tr("Inverser le damier"), QStyle::SP_BrowserReload,
          &MainWindow::flipBoard },
    };
    for (const SpeedButton& b : buttons) {
        auto* t = new QToolButton(liste);
        t->setObjectName(b.name);
        t->setToolTip(b.tip);
        t->setIcon(style()->standardIcon(b.icon));
        t->setAutoRaise(true);
        connect(t, &QToolButton::clicked, this, b.slot);
        speed->addWidget(t);
        if (b.slot != &MainWindow::flipBoard) navigationButtons_.push_back(t);
    }
    lv->addLayout(speed);
    tabs_->addTab(liste, tr("Coups joués"));

    auto* calcul = new QWidget;
    calcul->setObjectName("Calcul");
    auto* cv = new QVBoxLayout(calcul);
    cv->setContentsMargins(4, 4, 4, 4);
    // The root moves beside the statistics: both get the page's full height,
    // so the principal line under the six statistics lines stays in view.
    auto* lists = new QHBoxLayout;
    lists->setSpacing(4);
    rootLines_ = new QListWidget(calcul);
    rootLines_->setObjectName("ListBox5");
    rootLines_->setFont(QFont("monospace", 8));
    statisticsList_ = new QListWidget(calcul);
    statisticsList_->setObjectName("ListBox2");
    statisticsList_->setFont(QFont("monospace", 8));
    for (QListWidget* l : { rootLines_, statisticsList_ })
        l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lists->addWidget(rootLines_, 1);
    lists->addWidget(statisticsList_, 1);
    cv->addLayout(lists);
    auto* cb = new QHBoxLayout;
    playNowButton_ = makeButton(calcul, "Joue", tr("Arrêter le calcul"));
    connect(playNowButton_, &QPushButton::clicked, this, &MainWindow::stopThinking);
    auto* button9 = makeButton(calcul, "Button9", tr("Editer meilleurs coups"));
    connect(button9, &QPushButton::clicked, this, &MainWindow::saveBestMoves);
    cb->addWidget(playNowButton_);
    cb->addWidget(button9);
    cv->addLayout(cb);
    tabs_->addTab(calcul, tr("Calcul"));

    // Draw offer and resignation.
    offerDrawButton_ = makeButton(central, "Proposernul", tr("Proposer nul"));
    offerDrawButton_->setGeometry(kColumnX, 382, 155, 28);
    connect(offerDrawButton_, &QPushButton::clicked, this, &MainWindow::offerDraw);
    resignButton_ = makeButton(central, "Abandon2", tr("Abandonner"));
    resignButton_->setGeometry(kColumnX + 165, 382, 155, 28);
    connect(resignButton_, &QPushButton::clicked, this, &MainWindow::resign);

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
    // tabs, so that the final position stays in view.
    gameEnd_ = std::make_unique<GameEndPanel>(*this);
    panels_[GamePanel::GameEnd] = gameEnd_->widget();
    drawOffer_ = std::make_unique<DrawOfferPanel>(*this, session_);
    panels_[GamePanel::DrawOffer] = drawOffer_->offer();
    panels_[GamePanel::DrawRefused] = drawOffer_->refusal();

    // Beside the board, in the notice's place: over the board it would hide the
    // user's back row while the user plays on. The one shown last is on top.
    auto* zut = overlay(central, "Zut", QRect(kColumnX, kNoticeRowY, kColumnWidth, 26));
    auto* zl = new QVBoxLayout(zut);
    zl->setContentsMargins(6, 0, 6, 0);
    zl->addWidget(makeLabel(zut, "Label_zut", tr("Zut ! ce n'est pas cela que je voulais jouer.")),
                  0, Qt::AlignCenter);
    panels_[GamePanel::HandicapApology] = zut;

    newGame_ = std::make_unique<NewGamePanel>(*this, session_);
    panels_[GamePanel::NewGame] = newGame_->widget();
    customLevel_ = std::make_unique<CustomLevelPanel>(*this, session_);
    panels_[GamePanel::CustomLevel] = customLevel_->widget();
}

void MainWindow::buildWelcome()
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
    auto* advice
        = makeLabel(welcome_, "Conseil",
                    tr("Le jeu de dames sur 64 cases, contre l'ordinateur ou entre amis."));
    advice->setAlignment(Qt::AlignCenter);
    advice->setStyleSheet("color: #d9c49c;");
    v->addWidget(advice);
    auto* credits = makeLabel(
        welcome_, "Credits",
        tr("Programme, moteur de jeu, tables de finales et images : l'équipe Korvelan."));
    credits->setAlignment(Qt::AlignCenter);
    credits->setStyleSheet("color: #bfa87e; font-size: 11px;");
    v->addWidget(credits);
    auto* screen
        = makeLabel(welcome_, "Conseil_ecran",
                    tr("Conseil : les damiers demandent une fenêtre d'au moins 800 x 580 points ; "
                       "l'aide (menu Aide) explique les règles et chaque menu."));
    screen->setAlignment(Qt::AlignCenter);
    screen->setWordWrap(true);
    screen->setStyleSheet("color: #bfa87e; font-size: 11px;");
    v->addWidget(screen);
    v->addSpacing(20);
    // The language buttons sit in this row once the languages exist.
    auto* welcomeLanguages = new QWidget(welcome_);
    welcomeLanguages->setObjectName("Langues");
    auto* languages = new QHBoxLayout(welcomeLanguages);
    languages->setContentsMargins(0, 0, 0, 0);
    languages->addStretch();
    languages->addStretch();
    v->addWidget(welcomeLanguages);
    // One button per board view; the flat board first.
    auto* welcomeViews = new QWidget(welcome_);
    welcomeViews->setObjectName("Vues");
    auto* views = new QHBoxLayout(welcomeViews);
    views->setContentsMargins(0, 0, 0, 0);
    views->addStretch();
    auto* start = makeButton(welcomeViews, "BoutonDamier2D", tr("Damier 2D"));
    start->setIcon(QIcon(session_.boardImage("1dba.bmp"))); // a white king, when the image is there
    start->setIconSize(QSize(36, 36));
    connect(start, &QPushButton::clicked, this, &MainWindow::startWithFlatBoard);
    views->addWidget(start);
    views->addStretch();
    v->addWidget(welcomeViews);
    v->addStretch();
    welcome_->raise();
}

} // namespace kv

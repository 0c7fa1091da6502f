// The main window: construction, start-up and quitting, and the commands of
// its menus and buttons. Its layout is built in Unit1_layout.cpp; what the
// controller and the engine show goes through Unit1_view.cpp.
#include "ui/Unit1.h"
#include "ui/Unit1_detail.h"
#include "ui/level_menu.h"

#include "engine/hash_keys.h"
#include "rules/geometry.h"
#include "ui/board_widget.h"
#include "ui/help_window.h"
#include "ui/Unit5.h"
#include "ui/sound_player.h"
#include "ui/translations.h"

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
#include <QSaveFile>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

using namespace unit1_detail;

TForm1::TForm1(GameSession& session, QWidget* parent)
    : QMainWindow(parent)
    , session_(session)
    , game_(session.game())
    , controller_(&session.controller())
    , registry_(session.registry())
{
    setObjectName("TForm1");
    setWindowTitle(tr("Korvelan 3D, le jeu"));
    game_.whiteName = tr("Inconnu").toStdString();
    game_.blackName = "Korvelan";
    game_.storeRecordEntry(0);

    session_.attachView(*this, *this);
    controller_->enterLoop = [this] { enterLoop(); };
    sounds_ = new SoundPlayer(session_.programDir(), this);

    auto* central = new QWidget(this);
    central->setObjectName("Fond");
    central->setMinimumSize(kColumnX + kColumnWidth + 8, 520); // the boards grow with the window
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
    buildPlayerPanels();
    buildPlayStatus();
    buildTraining();
    buildWelcome();
    buildViews();
    buildHelpMenu(); // the last menu of the bar
    buildLanguages();
    form5_ = new TForm5(this);
    connect(form5_, &TForm5::parametersAccepted, this, &TForm1::setParameters);
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
        "QFrame#Match_nul, QFrame#Panel9, QTabWidget#Nouvelle_partie {"
        "  background: #fffaf0; }"
        "QFrame#Prise_obligatoire, QFrame#Zut, QFrame#Nulrefus {"
        "  background: #fde6a8; border: 1px solid #c08a1e; border-radius: 4px; }"
        "QWidget#Bienvenue { background: #3b2a1c; }"
        "QLabel#Titre { color: #f4e3c1; font-size: 40px; font-weight: bold; }"
        "QLabel#Version { color: #d9c49c; font-size: 14px; }"
        "QPushButton#BoutonDamier2D { font-size: 18px; padding: 10px 24px; }"
        // The four tabs beside the board hold their names in every language.
        "QTabWidget#Onglet > QTabBar::tab { font-size: 11px; padding: 4px 4px; margin-right: 1px;"
        "  background: #efe6d3; border: 1px solid #b59c74; border-bottom: none;"
        "  border-top-left-radius: 4px; border-top-right-radius: 4px; }"
        "QTabWidget#Onglet > QTabBar::tab:selected { background: #fffaf0; }");
    refreshStatus();
    refreshMoveList();
}

TForm1::~TForm1()
{
    translations_.reset(); // back to the source texts while the window is whole
    controller_->enterLoop = nullptr;
    session_.detachView();
}

void TForm1::quitApplication() { QCoreApplication::exit(0); }

// ------------------------------------------------------------------ commands

void TForm1::Nouveau2Click()
{
    session_.stopSearch();
    listBox1_->clear();
    loadPlayerLists();
    revoirCoup_->hide(); // a new game is no problem
    suivantProbleme_->hide();
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
    // The lines of the calculation list, written whole or not at all.
    const QString path = session_.bestMovesFile();
    QByteArray text;
    for (int i = 0; i < listBox2_->count(); ++i) text += listBox2_->item(i)->text().toUtf8() + '\n';
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size() || !f.commit()) {
        ShowError(tr("Impossible d'ouvrir ce fichier"));
        return;
    }
    statusBar()->showMessage(tr("Coups écrits dans %1").arg(QDir::toNativeSeparators(path)), 5000);
}

void TForm1::Pause2Click()
{
    QAction* a = actions_["Pause2"];
    if (!timer1_->isActive()) {
        controller_->restartClocks();
        timer1_->start();
    } else {
        timer1_->stop();
        controller_->pauseClocks();
    }
    a->setChecked(!timer1_->isActive());
}

void TForm1::setLevelEntry(const LevelSetting& level)
{
    controller_->setLevel(level);
    for (const auto& [name, action] : actions_)
        if (action->actionGroup() == levelGroup_) action->setChecked(false);
    if (const LevelMenuEntry* e = levelMenuEntry(level.index)) actions_[QString::fromLatin1(e->objectName)]->setChecked(true);
    if (level.index == 18) actions_["N8Autre1"]->setChecked(true);
    if (nbminutes_) nbminutes_->setText(QString::number(level.minutes));
}

void TForm1::N8Autre1Click()
{
    // The check mark follows the level in force until the panel's OK.
    setLevelEntry(controller_->level());
    nbminutes_->setText(QString::number(controller_->level().minutes));
    autreErreur_->hide();
    panels_[GamePanel::Panel9]->show();
    panels_[GamePanel::Panel9]->raise();
}

void TForm1::BitBtn24Click()
{
    bool ok = false;
    const int n = nbminutes_->text().trimmed().toInt(&ok);
    const std::optional<LevelSetting> level = ok ? customLevel(n) : std::nullopt;
    if (!level) {
        // The panel stays, and says what it takes.
        autreErreur_->setText(tr("Nombre entier de minutes attendu, de 1 à %1.").arg(kCustomLevelMaxMinutes));
        autreErreur_->show();
        nbminutes_->setFocus();
        nbminutes_->selectAll();
        return;
    }
    autreErreur_->hide();
    panels_[GamePanel::Panel9]->hide();
    setLevelEntry(*level);
}

void TForm1::BitBtn25Click()
{
    autreErreur_->hide();
    panels_[GamePanel::Panel9]->hide();
    boardChanged();
}

} // namespace kv

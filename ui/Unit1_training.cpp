// The main window's share of analysis and training: the "Analyse" menu, the
// analysis list ListBox6 and the analysis window, and the position editor
// page "Probleme" of the tab control.
#include "ui/Unit1.h"
#include "ui/Unit1_detail.h"

#include "ui/analysis_window.h"
#include "ui/board_widget.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

using namespace unit1_detail;

namespace {
// The palette of the editor: button, piece code, the 2D image drawn on it.
struct PaletteEntry {
    const char* name;
    std::uint8_t code;
    const char* image;
};
constexpr PaletteEntry kPalette[] = {
    { "SpeedButton10", WhiteMan, "1pba.BMP" },  { "SpeedButton11", WhiteKing, "1dba.bmp" },
    { "SpeedButton12", BlackMan, "1pna.bmp" },  { "SpeedButton13", BlackKing, "1dna.bmp" },
    { "SpeedButton14", Empty, "1pva.bmp" },
};
} // namespace

void TForm1::buildTraining()
{
    QMenu* analyse = menuBar()->addMenu(tr("Analyse"));
    analyse->setObjectName("Analyse1");
    addAction(analyse, "Dbuteruneanalyse1", tr("Débuter une analyse"), &TForm1::Analyser);
    addAction(analyse, "Arrtercettephase1", tr("Arrêter cette phase"), &TForm1::pauseAnalyse)->setEnabled(false);
    addAction(analyse, "Terminerlanalyse1", tr("Terminer l'analyse"), &TForm1::Button4Click)->setEnabled(false);
    analyse->addSeparator();
    addAction(analyse, "Installeruneposition1", tr("Installer une position"), &TForm1::Installeruneposition1Click,
              QKeySequence(Qt::CTRL | Qt::Key_I));

    form4_ = new TForm4(*controller_, this);
    form4_->hide();

    // The analysis list: a line per analysed move; a click shows its position.
    analysePage_ = new QWidget;
    analysePage_->setObjectName("AnalysePage");
    auto* av = new QVBoxLayout(analysePage_);
    av->setContentsMargins(4, 4, 4, 4);
    listBox6_ = new QListWidget(analysePage_);
    listBox6_->setObjectName("ListBox6");
    listBox6_->setFont(QFont("monospace", 8));
    av->addWidget(listBox6_);
    connect(listBox6_, &QListWidget::itemClicked, this, &TForm1::ListBox4Click);
    onglet_->addTab(analysePage_, tr("Analyse"));

    // The position editor.
    probleme0_ = new QWidget;
    probleme0_->setObjectName("Probleme0");
    auto* pv = new QVBoxLayout(probleme0_);
    pv->setContentsMargins(4, 2, 4, 2);
    pv->setSpacing(3);
    auto* group = new QGroupBox(tr("PLACEZ LES PIONS"), probleme0_);
    group->setObjectName("Placezlespions");
    auto* gv = new QVBoxLayout(group);
    gv->setContentsMargins(4, 2, 4, 2);
    gv->setSpacing(3);
    auto* palette = new QHBoxLayout;
    for (const PaletteEntry& e : kPalette) {
        auto* b = new QToolButton(group);
        b->setObjectName(e.name);
        const QPixmap pix(session_.boardImage(e.image));
        if (!pix.isNull()) {
            b->setIcon(QIcon(pix));
            b->setIconSize(QSize(30, 30));
        } else {
            b->setText(e.code == Empty ? "-" : QString::number(e.code));
        }
        const int code = e.code;
        connect(b, &QToolButton::clicked, this, [this, code] { setPieceToPlace(code); });
        palette->addWidget(b);
    }
    piontemoin_ = makeLabel(group, "Piontemoin", QString());
    piontemoin_->setFixedSize(34, 34);
    piontemoin_->setFrameShape(QFrame::Box);
    palette->addWidget(piontemoin_);
    gv->addLayout(palette);
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    auto* viderButton = makeButton(group, "Vider", tr("Vider le damier"));
    connect(viderButton, &QPushButton::clicked, this, &TForm1::vider);
    auto* remplirButton = makeButton(group, "Remplir", tr("Remplir le damier"));
    connect(remplirButton, &QPushButton::clicked, this, &TForm1::remplir);
    changeDir_ = makeButton(group, "Change_dir", QString());
    connect(changeDir_, &QPushButton::clicked, this, &TForm1::Change_dir);
    couleurJoue_ = makeButton(group, "Couleur_joue", QString());
    connect(couleurJoue_, &QPushButton::clicked, this, &TForm1::Couleur_joue);
    changeCouleur_ = makeButton(group, "Change_couleur", QString());
    connect(changeCouleur_, &QPushButton::clicked, this, &TForm1::Change_couleur);
    auto* valider = makeButton(group, "Jouer_position", tr("Jouer cette position"));
    connect(valider, &QPushButton::clicked, this, [this] { onglet_->setCurrentIndex(0); });
    grid->addWidget(viderButton, 0, 0);
    grid->addWidget(remplirButton, 0, 1);
    grid->addWidget(couleurJoue_, 1, 0);
    grid->addWidget(changeCouleur_, 1, 1);
    grid->addWidget(changeDir_, 2, 0);
    grid->addWidget(valider, 2, 1);
    gv->addLayout(grid);
    pv->addWidget(group);
    auto* evals = new QHBoxLayout;
    evalBlancs_ = makeLabel(probleme0_, "Evalstatblancs", QString());
    evalNoirs_ = makeLabel(probleme0_, "Evalstatnoirs", QString());
    evals->addWidget(evalBlancs_);
    evals->addWidget(evalNoirs_);
    pv->addLayout(evals);
    setupRefusal_ = makeLabel(probleme0_, "Refus_position", QString());
    setupRefusal_->setWordWrap(true);
    setupRefusal_->setStyleSheet("color: #a01818; font-weight: bold;");
    pv->addWidget(setupRefusal_);
    pv->addStretch(1);
    onglet_->addTab(probleme0_, tr("Probleme"));

    setPieceToPlace(WhiteMan);
    showSetupCaptions();
    buildProblems();
    connect(onglet_, &QTabWidget::currentChanged, this, &TForm1::OngletChange);
}

// ------------------------------------------------------------------ analysis

void TForm1::Analyser()
{
    if (game_.gamePly == 0) return;
    listBox6_->clear();
    form4_->show();
    form4_->raise();
    controller_->Analyser();
}

void TForm1::pauseAnalyse() { controller_->pauseAnalysis(); }

void TForm1::Button4Click()
{
    controller_->fin_analyse();
    form4_->hide();
}

void TForm1::ListBox4Click()
{
    const int row = listBox6_->currentRow();
    if (row < 0) return;
    form4_->hide();
    controller_->ListBox4Click(row);
}

void TForm1::analysisChanged()
{
    const bool walking = controller_->analysing();
    syncOptionChecks(); // the walk takes the thinking on the user's time away, and gives it back
    actions_["Dbuteruneanalyse1"]->setEnabled(!walking);
    actions_["Arrtercettephase1"]->setEnabled(walking);
    actions_["Terminerlanalyse1"]->setEnabled(walking);
    if (!controller_->hasAnalysis()) return;
    const auto lines = controller_->analysis().listLines();
    if (listBox6_->count() != static_cast<int>(lines.size())) {
        listBox6_->clear();
        for (const std::string& l : lines) {
            auto* item = new QListWidgetItem(QString::fromStdString(l), listBox6_);
            item->setToolTip(item->text());
            if (l.front() == '*') item->setForeground(QColor(0xb0, 0x18, 0x18)); // a much better move was missed
        }
    }
    if (walking && onglet_->currentWidget() != analysePage_) onglet_->setCurrentWidget(analysePage_);
    form4_->refresh();
    // A walk that has just ended offers to learn its final position.
    if (analysisWalking_ && !walking && !controller_->sessionActive()) {
        findChild<QWidget*>("Learn")->show();
        findChild<QWidget*>("Learn")->raise();
    }
    analysisWalking_ = walking;
}

// ------------------------------------------------------------------ position editor

void TForm1::OngletChange(int index)
{
    QWidget* page = onglet_->widget(index);
    QWidget* previous = onglet_->widget(ongletPage_);
    const auto revert = [this](QWidget* to) {
        QSignalBlocker block(onglet_);
        onglet_->setCurrentWidget(to);
    };
    if (page == probleme0_ && !controller_->positionSetupMode()) {
        // While the computer has the move, a match runs or an analysis walks,
        // the board is not the user's to set up.
        const bool busy = controller_->engineTurn() || controller_->thinking() || controller_->matchState() == 1
            || controller_->analysing();
        if (busy) {
            revert(previous);
            return;
        }
        // Set-up positions are not in the opening libraries.
        session_.setBookEnabled(false);
        auto lib = actions_.find("Bibliothquesactives1");
        if (lib != actions_.end()) lib->second->setChecked(false);
        Entrerpositionclick();
    } else if (previous == probleme0_ && controller_->positionSetupMode()) {
        Entrerpositionclick();
        if (controller_->positionSetupMode()) { // refused: the reason is on the page
            revert(probleme0_);
            return;
        }
    }
    ongletPage_ = onglet_->currentIndex();
}

void TForm1::Installeruneposition1Click()
{
    if (controller_->positionSetupMode()) return;
    Damier2D1Click(); // pieces are placed on the flat board
    onglet_->setCurrentWidget(probleme0_);
}

void TForm1::Entrerpositionclick() { controller_->Entrerpositionclick(); }

void TForm1::vider() { controller_->vider(); }

void TForm1::remplir() { controller_->remplirSetup(); }

void TForm1::Change_dir() { controller_->Change_dir(); }

void TForm1::Couleur_joue()
{
    controller_->setup.computerMovesFirst = !controller_->setup.computerMovesFirst;
    showSetupCaptions();
}

void TForm1::Change_couleur()
{
    controller_->setup.computerBlack = !controller_->setup.computerBlack;
    showSetupCaptions();
}

void TForm1::setPieceToPlace(int code)
{
    controller_->setup.pieceToPlace = static_cast<std::uint8_t>(code);
    for (const PaletteEntry& e : kPalette) {
        if (e.code != code) continue;
        const QPixmap pix(session_.boardImage(e.image));
        if (!pix.isNull()) piontemoin_->setPixmap(pix.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        else piontemoin_->setText(QString::number(code));
    }
}

void TForm1::showSetupCaptions()
{
    const SetupChoices& s = controller_->setup;
    couleurJoue_->setText(s.computerMovesFirst ? tr("Ordinateur joue") : tr("Joueur joue"));
    changeCouleur_->setText(s.computerBlack ? tr("Ordinateur noir") : tr("Ordinateur blanc"));
    changeDir_->setText(game_.orientation ? tr("Blancs:Haut->Bas") : tr("Blancs:Bas->Haut"));
}

void TForm1::setupChanged()
{
    const bool on = controller_->positionSetupMode();
    probleme0_->findChild<QGroupBox*>("Placezlespions")->setVisible(on);
    if (!on && onglet_->currentWidget() == probleme0_) { // ended by a new game or a problem
        QSignalBlocker block(onglet_);
        onglet_->setCurrentIndex(0);
        ongletPage_ = 0;
    }
    const auto e = controller_->staticEvaluations();
    evalBlancs_->setText(tr("Eval stat blancs:%1").arg(e[0], 4));
    evalNoirs_->setText(tr("Eval stat noirs:%1").arg(e[1], 4));
    setupRefusal_->setText(controller_->setupRefusal());
    showSetupCaptions();
    if (on) couleurordi_->setText(controller_->setup.computerBlack ? tr("Ordinateur noir") : tr("Ordinateur blanc"));
    refreshStatus();
}

} // namespace kv

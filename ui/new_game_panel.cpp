#include "ui/new_game_panel.h"
#include "ui/player_names.h"

#include "ui/main_window.h"
#include "ui/window_parts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kv {

using namespace window_parts;

NewGamePanel::NewGamePanel(MainWindow& window, GameSession& session)
    : window_(window), session_(session)
{
    QWidget* central = window.centralWidget();
    newGameTabs_ = new QTabWidget(central);
    newGameTabs_->setObjectName("Nouvelle_partie");
    newGameTabs_->setGeometry(79, 150, 380, 210);
    newGameTabs_->setAutoFillBackground(true);
    auto* training = new QWidget;
    training->setObjectName("Entrainement");
    auto* tl = new QVBoxLayout(training);
    auto* tn = new QHBoxLayout;
    tn->addWidget(makeLabel(training, "Label15", tr("Joueur :")));
    // Left empty, the game is the nameless player's, whose name shows in grey.
    trainingNameEdit_ = new QLineEdit(training);
    trainingNameEdit_->setPlaceholderText(shownPlayerName(kUnknownPlayer));
    trainingNameEdit_->setObjectName("Joueur0");
    tn->addWidget(trainingNameEdit_);
    tl->addLayout(tn);
    auto* colour = new QGroupBox(tr("Couleur de Korvelan"), training);
    colour->setObjectName("RadioGroup2");
    auto* cl = new QHBoxLayout(colour);
    auto* blanc = new QRadioButton(tr("Blanc"), colour);
    blanc->setObjectName("Morvanel_blanc");
    computerBlackButton_ = new QRadioButton(tr("Noir"), colour);
    computerBlackButton_->setObjectName("Morvanel_noir");
    computerBlackButton_->setChecked(true);
    cl->addWidget(blanc);
    cl->addWidget(computerBlackButton_);
    tl->addWidget(colour);
    addOkCancel(training, tl, "BitBtn15", "BitBtn19", this, &NewGamePanel::startTrainingGame,
                &NewGamePanel::cancelNewGame);
    newGameTabs_->addTab(training, tr("Entrainement"));

    auto* human = new QWidget;
    human->setObjectName("Humain");
    auto* hl = new QVBoxLayout(human);
    auto* names = new QFormLayout; // the two name boxes line up
    whiteNameEdit_ = new QLineEdit(human);
    whiteNameEdit_->setObjectName("Joueur2");
    names->addRow(makeLabel(human, "Label16", tr("Joueur blanc :")), whiteNameEdit_);
    blackNameEdit_ = new QLineEdit(human);
    blackNameEdit_->setObjectName("Joueur3");
    names->addRow(makeLabel(human, "Label17", tr("Joueur noir :")), blackNameEdit_);
    hl->addLayout(names);
    addOkCancel(human, hl, "BitBtn17", "BitBtn18", this, &NewGamePanel::startHumanGame,
                &NewGamePanel::cancelNewGame);
    newGameTabs_->addTab(human, tr("Humain contre humain"));
    newGameTabs_->hide();
}

QWidget* NewGamePanel::widget() const { return newGameTabs_; }

void NewGamePanel::show()
{
    newGameTabs_->show();
    newGameTabs_->raise();
}

void NewGamePanel::startTrainingGame()
{
    newGameTabs_->hide();
    session_.controller().newTraining(storedPlayerName(trainingNameEdit_->text()),
                                      computerBlackButton_->isChecked());
    window_.syncOptionChecks();
}

void NewGamePanel::startHumanGame()
{
    if (whiteNameEdit_->text().trimmed().isEmpty() || blackNameEdit_->text().trimmed().isEmpty())
        return;
    newGameTabs_->hide();
    session_.controller().newHumanGame(storedPlayerName(whiteNameEdit_->text()),
                                       storedPlayerName(blackNameEdit_->text()));
    window_.syncOptionChecks();
}

void NewGamePanel::cancelNewGame()
{
    newGameTabs_->hide();
    session_.controller().holdClocks(false);
    window_.refreshMoveList();
    window_.boardChanged();
}

} // namespace kv

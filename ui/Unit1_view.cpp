// What the game controller and the engine show in the main window.
#include "ui/Unit1.h"
#include "ui/Unit1_detail.h"

#include "engine/hash_keys.h"
#include "rules/geometry.h"
#include "ui/board3d_widget.h"
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

// ------------------------------------------------------------------ GameView

void TForm1::boardChanged()
{
    board_->update();
    if (board3d_) board3d_->update();
}

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
    if (c.gameOver()) trait_->setText(tr("Partie terminée"));
    else trait_->setText(game_.side == White ? tr("Trait aux blancs") : tr("Trait aux noirs"));
    if (c.matchState() == 1 || c.matchState() == 5) panel11_->setText(tr("Match")); // 5: the match game just rated
    else if (c.options.humanVsHuman) panel11_->setText(tr("Humain contre humain"));
    else panel11_->setText(tr("Entraînement"));

    // The panel of the side to move is framed in gold; nobody moves in a finished game.
    for (auto [panel, side] : { std::pair { panel6_, Black }, { panel7_, White } }) {
        const bool toMove = game_.side == side && !c.gameOver();
        if (panel->property("trait").toBool() != toMove) {
            panel->setProperty("trait", toMove);
            panel->style()->unpolish(panel);
            panel->style()->polish(panel);
        }
    }

    // Each player's panel stays on that player's side of the board.
    const bool turned = game_.orientation != 0;
    panel6_->move(panel6_->x(), turned ? kBottomPanelY : kTopPanelY);
    panel7_->move(panel7_->x(), turned ? kTopPanelY : kBottomPanelY);
    syncOptionChecks();
    showPlayStatus();
    syncTwins();
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
    syncTwins();
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
    parametrage_->setEnabled(s.parametersMenu);
    actions_["Numroterlescase1"]->setEnabled(s.numbering);
    actions_["Rflexionsurtempsadverse1"]->setEnabled(s.ponder);
    actions_["Horlogeszro1"]->setEnabled(s.clocksToZero);
    actions_["Pause1"]->setEnabled(s.stopSearch);
    actions_["Arretrflexionparclicsouris1"]->setEnabled(s.stopByClick);
    proposernul_->setEnabled(s.offerDraw);
    abandon2_->setEnabled(s.resign);
    actions_["Abandon1"]->setEnabled(s.resign);
    actions_["Inverserlesjoueurs1"]->setEnabled(s.swapPlayers);
    joue_->setEnabled(s.stopSearch);
    actions_["Dbuteruneanalyse1"]->setEnabled(s.analyse);
    actions_["Arrtercettephase1"]->setEnabled(s.analysisRunning);
    actions_["Terminerlanalyse1"]->setEnabled(s.analysisRunning);
    actions_["Installeruneposition1"]->setEnabled(s.problems);
    for (QWidget* b : { static_cast<QWidget*>(board_), static_cast<QWidget*>(board3d_) }) {
        if (!b) continue;
        if (s.busyCursor) b->setCursor(Qt::WaitCursor);
        else b->unsetCursor();
    }
    showPlayStatus(); // the thinking starts or ends with these states
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
    depthReached_ = 0;
}

void TForm1::setRootLine(int index, const RootLine& line)
{
    if (index < 0) return;
    while (listBox5_->count() < index) listBox5_->addItem(QString());
    if (index < listBox5_->count()) delete listBox5_->takeItem(index);
    listBox5_->insertItem(index, QString::fromStdString(rootLineText(line)));
}

void TForm1::searchInfo(const SearchInfo& info) { showSearchInfo(info); }

void TForm1::showSearchInfo(const SearchInfo& info)
{
    shownInfo_ = info;
    const SearchInfoLabels labels { tr("Profondeur").toStdString(), tr("Noeuds").toStdString(),
                                    tr("Temps").toStdString(),      tr("Noeuds/s").toStdString(),
                                    tr("Score").toStdString(),      tr("Coups").toStdString() };
    listBox2_->clear();
    for (const std::string& l : searchInfoLines(info, labels)) listBox2_->addItem(QString::fromStdString(l));
}

void TForm1::clock(SideToMove side, int usedSeconds)
{
    if (session_.thinkingOnOpponentsTime()) return;
    showClock(side, clockText(usedSeconds));
}

} // namespace kv

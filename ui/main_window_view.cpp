// What the game controller and the engine show in the main window.
#include "ui/languages.h"
#include "ui/main_window.h"
#include "ui/player_names.h"
#include "ui/window_parts.h"

#include "ui/board3d_widget.h"
#include "ui/board_views.h"
#include "ui/board_widget.h"
#include "ui/engine_options.h"
#include "ui/game_end_panel.h"
#include "ui/help_menu.h"
#include "ui/opening_menu.h"
#include "ui/play_status.h"
#include "ui/players_panel.h"
#include "ui/sound_player.h"
#include "ui/training_panel.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QTimer>

namespace kv {

using namespace window_parts;

// ------------------------------------------------------------------ GameView

void MainWindow::boardChanged()
{
    board_->update();
    if (views_ && views_->board3d()) views_->board3d()->update();
}

void MainWindow::showPanel(GamePanel panel, bool shown)
{
    auto it = panels_.find(panel);
    if (it == panels_.end()) return;
    it->second->setVisible(shown);
    if (shown) it->second->raise();
}

void MainWindow::showEndMessage(const QString& text) { gameEnd_->setMessage(text); }

void MainWindow::playSound(Sound sound) { sounds_->play(sound); }

void MainWindow::syncOptionChecks()
{
    for (auto& [action, field] : optionActions_) {
        QSignalBlocker block(action);
        action->setChecked(controller_->options.*field);
    }
    QSignalBlocker b1(actions_["Humaincontrehumain1"]);
    actions_["Humaincontrehumain1"]->setChecked(controller_->humanVsHuman());
    QSignalBlocker b2(actions_["Ordinateurcontreordinateur1"]);
    actions_["Ordinateurcontreordinateur1"]->setChecked(controller_->computerVsComputer());
}

void MainWindow::refreshStatus()
{
    const GameController& c = *controller_;
    const std::array<int, 5> pc = c.pieceCounts();
    auto count = [this](int n) {
        // One piece in every language; no piece is singular only in French.
        const bool one = n == 1 || (n == 0 && languageIndex() == French);
        return QString("%1 %2").arg(n).arg(one ? tr("pièce") : tr("pièces"));
    };
    whiteCount_->setText(count(pc[1] + pc[2]));
    blackCount_->setText(count(pc[3] + pc[4]));
    whiteNameLabel_->setText(shownPlayerName(game_.whiteName) + tr(" (blancs)"));
    blackNameLabel_->setText(shownPlayerName(game_.blackName) + tr(" (noirs)"));
    computerColourLabel_->setText(game_.enginePlaysBlack ? tr("Ordinateur noir")
                                                         : tr("Ordinateur blanc"));
    // Shown only when the computer plays one colour against a person; the
    // mode's caption takes its room otherwise.
    computerColourLabel_->setVisible(c.againstComputer());
    const QRect colour = computerColourLabel_->geometry();
    modeLabel_->resize(c.againstComputer() ? colour.left() - 6 - modeLabel_->x()
                                           : colour.right() + 1 - modeLabel_->x(),
                       modeLabel_->height());
    orientationLabel_->setText(game_.orientation ? tr("Blancs:Haut->Bas") : tr("Blancs:Bas->Haut"));
    moveNumberLabel_->setText(tr("Coups : %1").arg(game_.gamePly / 2 + 1));
    if (c.gameOver()) turnLabel_->setText(tr("Partie terminée"));
    else turnLabel_->setText(game_.side == White ? tr("Trait aux blancs") : tr("Trait aux noirs"));
    if (c.matchState() == 1 || c.matchState() == 5)
        modeLabel_->setText(tr("Match")); // 5: the match game just rated
    else if (c.humanVsHuman()) modeLabel_->setText(tr("Humain contre humain"));
    else if (c.computerVsComputer()) modeLabel_->setText(tr("Ordinateur contre ordinateur"));
    else modeLabel_->setText(tr("Entraînement"));

    // The panel of the side to move is framed in gold; nobody moves in a finished game.
    for (auto [panel, side] :
         { std::pair { topPlayerPanel_, Black }, { bottomPlayerPanel_, White } }) {
        const bool toMove = game_.side == side && !c.gameOver();
        if (panel->property("trait").toBool() != toMove) {
            panel->setProperty("trait", toMove);
            panel->style()->unpolish(panel);
            panel->style()->polish(panel);
        }
    }

    // Each player's panel stays on that player's side of the board.
    const bool turned = game_.orientation != 0;
    topPlayerPanel_->move(topPlayerPanel_->x(), turned ? kBottomPanelY : kTopPanelY);
    bottomPlayerPanel_->move(bottomPlayerPanel_->x(), turned ? kTopPanelY : kBottomPanelY);
    syncOptionChecks();
    showPlayStatus();
    views_->syncTwins();
}

void MainWindow::refreshMoveList()
{
    const auto& lines = game_.moveList.lines();
    QSignalBlocker block(moveList_);
    if (moveList_->count() != static_cast<int>(lines.size())) {
        moveList_->clear();
        for (const std::string& l : lines) moveList_->addItem(QString::fromStdString(l));
    } else {
        for (int i = 0; i < moveList_->count(); ++i)
            moveList_->item(i)->setText(QString::fromStdString(lines[i]));
    }
    const int sel = game_.moveList.selected();
    if (sel >= 0 && sel < moveList_->count()) {
        moveList_->setCurrentRow(sel);
        moveList_->scrollToItem(moveList_->item(sel));
    } else {
        moveList_->clearSelection();
    }
}

void MainWindow::showClock(int side, const ClockText& text)
{
    QLabel* min = side == White ? whiteMinutes_ : blackMinutes_;
    QLabel* sec = side == White ? whiteSeconds_ : blackSeconds_;
    min->setText(QString::fromStdString(text.minutes));
    sec->setText(QString::fromStdString(text.seconds));
    views_->syncTwins();
}

void MainWindow::applyCommandStates(const CommandStates& s)
{
    actions_["Nouveau2"]->setEnabled(s.newGame);
    actions_["Humaincontrehumain1"]->setEnabled(s.humanVsHuman);
    actions_["Ordinateurcontreordinateur1"]->setEnabled(s.computerVsComputer);
    actions_["Pause2"]->setEnabled(s.clockPause);
    // The engine's evaluation stays as the match began with it.
    for (const char* name : { "Changerlesparamtres1", "Chargerdesparamtres1" })
        if (auto* a = findChild<QAction*>(name)) a->setEnabled(s.parametersMenu);
    fileMenu_->setEnabled(s.fileMenu);
    actions_["Quitter1"]->setEnabled(s.quit);
    editMenu_->setEnabled(s.editMenu);
    for (QWidget* w : navigationButtons_) w->setEnabled(s.navigationButtons);
    playersMenu_->setEnabled(s.playersMenu);
    levelMenu_->setEnabled(s.levelMenu);
    openingsMenu_->setEnabled(s.parametersMenu);
    actions_["Numroterlescase1"]->setEnabled(s.numbering);
    actions_["Rflexionsurtempsadverse1"]->setEnabled(s.ponder);
    actions_["Horlogeszro1"]->setEnabled(s.clocksToZero);
    actions_["Pause1"]->setEnabled(s.stopSearch);
    actions_["Conseil1"]->setEnabled(controller_->hintAllowed());
    actions_["Arretrflexionparclicsouris1"]->setEnabled(s.stopByClick);
    offerDrawButton_->setEnabled(s.offerDraw);
    resignButton_->setEnabled(s.resign);
    actions_["Abandon1"]->setEnabled(s.resign);
    actions_["Inverserlesjoueurs1"]->setEnabled(s.swapPlayers);
    playNowButton_->setEnabled(s.stopSearch);
    training_->applyCommandStates(s);
    for (QWidget* b : { static_cast<QWidget*>(board_), static_cast<QWidget*>(views_->board3d()) }) {
        if (!b) continue;
        if (s.busyCursor) b->setCursor(Qt::WaitCursor);
        else b->unsetCursor();
    }
    showPlayStatus(); // the thinking starts or ends with these states
}

bool MainWindow::clockTimerRunning() const { return clockTimer_->isActive(); }

void MainWindow::startClockTimer()
{
    clockTimer_->start();
    actions_["Pause2"]->setChecked(false);
}

void MainWindow::stopClockTimer()
{
    clockTimer_->stop();
    actions_["Pause2"]->setChecked(true);
}

void MainWindow::processEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void MainWindow::waitForEvents()
{
    if (!externalLoop_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    else QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void MainWindow::matchRated(const RatedResult* rated) { players_->matchRated(rated); }

void MainWindow::analysisChanged() { training_->analysisChanged(); }

void MainWindow::setupChanged() { training_->setupChanged(); }

Board3DWidget* MainWindow::board3d() const { return views_->board3d(); }

int MainWindow::theme3d() const { return views_->theme(); }

WhiteOpeningEditor* MainWindow::whiteOpeningEditor() const { return openings_->whiteEditor(); }

BlackOpeningEditor* MainWindow::blackOpeningEditor() const { return openings_->blackEditor(); }

AnalysisWindow* MainWindow::analysisWindow() const { return training_->analysisWindow(); }

ParameterEditor* MainWindow::parameterEditor() const { return engineOptions_->parameterEditor(); }

HelpWindow* MainWindow::helpWindow() const { return helpMenu_->helpWindow(); }

void MainWindow::showPlayStatus()
{
    if (playStatus_) playStatus_->refresh();
}

void MainWindow::clearStatistics()
{
    rootLines_->clear();
    statisticsList_->clear();
    playStatus_->setDepth(0);
    showPlayStatus();
}

// ------------------------------------------------------------------ SearchObserver

void MainWindow::clearRootLines()
{
    rootLines_->clear();
    playStatus_->setDepth(0);
}

void MainWindow::setRootLine(int index, const RootLine& line)
{
    if (index < 0) return;
    while (rootLines_->count() < index) rootLines_->addItem(QString());
    if (index < rootLines_->count()) delete rootLines_->takeItem(index);
    rootLines_->insertItem(index, QString::fromStdString(rootLineText(line)));
}

void MainWindow::searchInfo(const SearchInfo& info) { showSearchInfo(info); }

void MainWindow::showSearchInfo(const SearchInfo& info)
{
    shownInfo_ = info;
    const SearchInfoLabels labels { tr("Profondeur").toStdString(), tr("Noeuds").toStdString(),
                                    tr("Temps").toStdString(),      tr("Noeuds/s").toStdString(),
                                    tr("Score").toStdString(),      tr("Coups").toStdString() };
    statisticsList_->clear();
    for (const std::string& l : searchInfoLines(info, labels))
        statisticsList_->addItem(QString::fromStdString(l));
}

void MainWindow::iterationFinished(int depth, int /*score*/)
{
    playStatus_->setDepth(depth);
    showPlayStatus();
}

void MainWindow::clock(SideToMove side, int usedSeconds)
{
    // Thinking on the user's time and an analysis's searches are nobody's turn.
    if (session_.thinkingOnOpponentsTime() || controller_->analysing()) return;
    showClock(side, clockText(usedSeconds));
}

} // namespace kv

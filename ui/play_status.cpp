// The play status beside the board: while the computer chooses its move it says
// so, with the depth reached; once a game has a result it says the game is
// over and how it ended, until a new game or a step back in the record; while
// the clocks are paused it says so.
#include "ui/main_window.h"
#include "ui/window_parts.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QStyle>
#include <QTabWidget>

namespace kv {

using namespace window_parts;

void MainWindow::buildPlayStatus()
{
    playStatus_ = makeLabel(centralWidget(), "Etat_partie", QString());
    // In the notices' row: the notices belong to the user's turn of a game
    // still running, the status to the computer's turn or to a finished game;
    // shown, it lies on top.
    playStatus_->setGeometry(kColumnX, kNoticeRowY, kColumnWidth, 26);
    playStatus_->setAlignment(Qt::AlignCenter);
    playStatus_->setStyleSheet("QLabel { border-radius: 4px; padding: 0 6px; font-weight: bold; }"
                               "QLabel[etat=\"reflexion\"] { background: #dfe9d0; color: #2f4a1c;"
                               "  border: 1px solid #7c9a5a; }"
                               "QLabel[etat=\"fin\"] { background: #5a3a22; color: #f7f1e4; }"
                               "QLabel[etat=\"pause\"] { background: #fde6a8; color: #5a3a22;"
                               "  border: 1px solid #c08a1e; }");
    playStatus_->hide();
}

void MainWindow::showPlayStatus()
{
    if (!playStatus_) return;
    const GameController& c = *controller_;
    QString state, text;
    if (c.thinking()) {
        state = "reflexion";
        text = depthReached_ > 0 ? tr("Korvelan réfléchit… profondeur %1").arg(depthReached_)
                                 : tr("Korvelan réfléchit…");
    } else if (c.gameOver()) {
        state = "fin";
        text = tr("Partie terminée : %1").arg(c.endMessage());
    } else if (c.clocksPaused()) {
        state = "pause";
        text = tr("Horloges en pause");
    }
    if (playStatus_->property("etat").toString() != state) {
        playStatus_->setProperty("etat", state);
        playStatus_->style()->unpolish(playStatus_);
        playStatus_->style()->polish(playStatus_);
    }
    // A long result (a player's name) drops the words "Partie terminée",
    // which the side-to-move label already shows, then is cut short; the
    // tooltip keeps the whole text.
    playStatus_->setToolTip(text);
    const int room = playStatus_->contentsRect().width() - 12;
    playStatus_->ensurePolished();
    const QFontMetrics fm = playStatus_->fontMetrics();
    if (state == "fin" && fm.horizontalAdvance(text) > room) text = c.endMessage();
    playStatus_->setText(fm.elidedText(text, Qt::ElideRight, room));
    playStatus_->setVisible(!state.isEmpty());
    if (!state.isEmpty()) playStatus_->raise();
}

void MainWindow::iterationFinished(int depth, int /*score*/)
{
    depthReached_ = depth;
    showPlayStatus();
}

void MainWindow::clearStatistics()
{
    rootLines_->clear();
    statisticsList_->clear();
    depthReached_ = 0;
    showPlayStatus();
}

} // namespace kv

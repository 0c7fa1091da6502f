// The play status beside the board: while the computer chooses its move it says
// so, with the depth reached; once a game has a result it says the game is
// over and how it ended, until a new game or a step back in the record.
#include "ui/Unit1.h"
#include "ui/Unit1_detail.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QStyle>
#include <QTabWidget>

namespace kv {

using namespace unit1_detail;

void TForm1::buildPlayStatus()
{
    etatPartie_ = makeLabel(centralWidget(), "Etat_partie", QString());
    // In the notices' row: the notices belong to the user's turn of a game
    // still running, the status to the computer's turn or to a finished game;
    // shown, it lies on top.
    etatPartie_->setGeometry(kColumnX, kNoticeRowY, kColumnWidth, 26);
    etatPartie_->setAlignment(Qt::AlignCenter);
    etatPartie_->setStyleSheet("QLabel { border-radius: 4px; padding: 0 6px; font-weight: bold; }"
                               "QLabel[etat=\"reflexion\"] { background: #dfe9d0; color: #2f4a1c;"
                               "  border: 1px solid #7c9a5a; }"
                               "QLabel[etat=\"fin\"] { background: #5a3a22; color: #f7f1e4; }");
    etatPartie_->hide();
}

void TForm1::showPlayStatus()
{
    if (!etatPartie_) return;
    const GameController& c = *controller_;
    QString state, text;
    if (c.thinking()) {
        state = "reflexion";
        text = depthReached_ > 0 ? tr("Korvelan réfléchit… profondeur %1").arg(depthReached_)
                                 : tr("Korvelan réfléchit…");
    } else if (c.gameOver()) {
        state = "fin";
        text = tr("Partie terminée : %1").arg(c.endMessage());
    }
    if (etatPartie_->property("etat").toString() != state) {
        etatPartie_->setProperty("etat", state);
        etatPartie_->style()->unpolish(etatPartie_);
        etatPartie_->style()->polish(etatPartie_);
    }
    // A long result (a player's name) drops the words "Partie terminée",
    // which the side-to-move label already shows, then is cut short; the
    // tooltip keeps the whole text.
    etatPartie_->setToolTip(text);
    const int room = etatPartie_->contentsRect().width() - 12;
    etatPartie_->ensurePolished();
    const QFontMetrics fm = etatPartie_->fontMetrics();
    if (state == "fin" && fm.horizontalAdvance(text) > room) text = c.endMessage();
    etatPartie_->setText(fm.elidedText(text, Qt::ElideRight, room));
    etatPartie_->setVisible(!state.isEmpty());
    if (!state.isEmpty()) etatPartie_->raise();
}

void TForm1::iterationFinished(int depth, int /*score*/)
{
    depthReached_ = depth;
    showPlayStatus();
}

void TForm1::clearStatistics()
{
    listBox5_->clear();
    listBox2_->clear();
    depthReached_ = 0;
    showPlayStatus();
}

void TForm1::NouvellePartieFinClick()
{
    panels_[GamePanel::FinDeParties]->hide();
    Nouveau2Click();
}

} // namespace kv

#include "ui/play_status.h"

#include "game/controller.h"
#include "ui/window_parts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStyle>

namespace kv {

using namespace window_parts;

PlayStatusLine::PlayStatusLine(QWidget* parent, const GameController& controller)
    : controller_(controller)
{
    playStatus_ = makeLabel(parent, "Etat_partie", QString());
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

void PlayStatusLine::refresh()
{
    const GameController& c = controller_;
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

} // namespace kv

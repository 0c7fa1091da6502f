#include "ui/draw_offer_panel.h"

#include "game/session.h"
#include "ui/main_window.h"
#include "ui/window_parts.h"

#include <QVBoxLayout>

namespace kv {

using namespace window_parts;

DrawOfferPanel::DrawOfferPanel(MainWindow& window, GameSession& session) : session_(session)
{
    QWidget* central = window.centralWidget();
    auto* nul = overlay(central, "Match_nul", QRect(kColumnX, kTabY + 40, kColumnWidth, 120));
    auto* ml = new QVBoxLayout(nul);
    ml->addWidget(makeLabel(nul, "Label13", tr("Korvelan propose le match nul")), 0,
                  Qt::AlignCenter);
    ml->addWidget(makeLabel(nul, "Label14", tr("Appuyez sur OK pour accepter")), 0,
                  Qt::AlignCenter);
    addOkCancel(nul, ml, "BitBtn14", "Annul_nul", this, &DrawOfferPanel::acceptDrawOffer,
                &DrawOfferPanel::declineDrawOffer);
    offer_ = nul;

    // In the notices' row; it goes when the game moves on.
    auto* refus = overlay(central, "Nulrefus", QRect(kColumnX, kNoticeRowY, kColumnWidth, 26));
    auto* rl = new QVBoxLayout(refus);
    rl->setContentsMargins(6, 0, 6, 0);
    rl->addWidget(makeLabel(refus, "Label_nulrefus", tr("Nul refusé")), 0, Qt::AlignCenter);
    refusal_ = refus;
}

void DrawOfferPanel::acceptDrawOffer() { session_.controller().acceptDrawOffer(); }
void DrawOfferPanel::declineDrawOffer() { session_.controller().declineDrawOffer(); }

} // namespace kv

#include "ui/game_end_panel.h"

#include "ui/main_window.h"
#include "ui/window_parts.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kv {

using namespace window_parts;

GameEndPanel::GameEndPanel(MainWindow& window) : window_(window)
{
    // Longer texts wrap.
    auto* fin = overlay(window.centralWidget(), "fin_de_parties",
                        QRect(kColumnX, kTabY + 30, kColumnWidth, 150));
    auto* fl = new QVBoxLayout(fin);
    resultLabel_ = makeLabel(fin, "qui_gagne", QString());
    resultLabel_->setAlignment(Qt::AlignCenter);
    resultLabel_->setWordWrap(true);
    fl->addWidget(resultLabel_);
    auto* finRow = new QHBoxLayout;
    auto* finOk = makeButton(fin, "Fermer_fin", tr("OK"));
    connect(finOk, &QPushButton::clicked, fin, &QWidget::hide);
    auto* finNew = makeButton(fin, "Nouvelle_fin", tr("Nouvelle partie"));
    connect(finNew, &QPushButton::clicked, this, &GameEndPanel::newGameAfterEnd);
    finRow->addWidget(finOk);
    finRow->addWidget(finNew);
    fl->addLayout(finRow);
    panel_ = fin;
}

void GameEndPanel::setMessage(const QString& text) { resultLabel_->setText(text); }

void GameEndPanel::newGameAfterEnd()
{
    panel_->hide();
    window_.askNewGame();
}

} // namespace kv

#include "ui/game_choice_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

GameChoiceDialog::GameChoiceDialog(const std::vector<GameSummary>& games, QWidget* parent) : QDialog(parent)
{
    setObjectName("Panel_choix");
    setWindowTitle(tr("Choisir une partie"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Ce fichier contient %1 parties. Laquelle faut-il ouvrir ?").arg(games.size()), this));
    gamesList_ = new QListWidget(this);
    gamesList_->setObjectName("ListBox16");
    QFont mono = gamesList_->font();
    mono.setStyleHint(QFont::TypeWriter);
    mono.setFamily("monospace");
    gamesList_->setFont(mono);
    for (std::size_t i = 0; i < games.size(); ++i)
        gamesList_->addItem(QString::fromStdString(choiceLine(static_cast<int>(i), games[i])));
    gamesList_->setCurrentRow(0);
    layout->addWidget(gamesList_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName("ListeOK");
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Annuler"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("ListeCancel");
    layout->addWidget(buttons);
    connect(ok, &QPushButton::clicked, this, &GameChoiceDialog::acceptChoice);
    connect(cancel, &QPushButton::clicked, this, &GameChoiceDialog::cancelChoice);
    connect(gamesList_, &QListWidget::itemDoubleClicked, this, &GameChoiceDialog::acceptChoice);
    resize(360, 320);
}

void GameChoiceDialog::acceptChoice()
{
    choice_ = gamesList_->currentRow();
    if (choice_ < 0) return; // nothing selected: the panel stays
    accept();
}

void GameChoiceDialog::cancelChoice()
{
    choice_ = -1;
    reject();
}

int chooseGame(QWidget* parent, const std::vector<GameSummary>& games)
{
    if (games.size() == 1) return 0;
    if (games.empty()) return -1;
    GameChoiceDialog dialog(games, parent);
    dialog.exec();
    return dialog.GameChoice();
}

} // namespace kv

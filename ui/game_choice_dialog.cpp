#include "ui/game_choice_dialog.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

GameChoiceDialog::GameChoiceDialog(int count, GameNames names, QWidget* parent)
    : QDialog(parent), count_(count), names_(std::move(names))
{
    setObjectName("Panel_choix");
    setWindowTitle(tr("Choisir une partie"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        tr("Ce fichier contient %1 parties. Laquelle faut-il ouvrir ?").arg(count), this));
    search_ = new QLineEdit(this);
    search_->setObjectName("GameSearch");
    search_->setPlaceholderText(tr("Numéro ou nom à chercher"));
    search_->setClearButtonEnabled(true);
    layout->addWidget(search_);
    gamesList_ = new QListWidget(this);
    gamesList_->setObjectName("ListBox16");
    QFont mono = gamesList_->font();
    mono.setStyleHint(QFont::TypeWriter);
    mono.setFamily("monospace");
    gamesList_->setFont(mono);
    layout->addWidget(gamesList_);
    note_ = new QLabel(this);
    note_->setObjectName("GameSearchNote");
    layout->addWidget(note_);
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
    connect(search_, &QLineEdit::textChanged, this, &GameChoiceDialog::search);
    search();
    resize(380, 360);
}

void GameChoiceDialog::addLine(int index, const GameSummary& names)
{
    auto* item = new QListWidgetItem(QString::fromStdString(choiceLine(index, names)), gamesList_);
    item->setData(Qt::UserRole, index);
}

// A number shows the games from that one on; a text the games whose names
// hold it, at most kShownGames of them. The window keeps painting during a
// long search, and a change of the text starts the search again.
void GameChoiceDialog::search()
{
    const int run = ++searches_;
    gamesList_->clear();
    note_->clear();
    const QString text = search_->text().trimmed();
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    const int first = isNumber ? std::clamp(number, 1, std::max(count_, 1)) - 1 : 0;
    const QPointer<GameChoiceDialog> self(this);
    int shown = 0;
    for (int i = first; i < count_ && shown < kShownGames; ++i) {
        const GameSummary names = names_(i);
        if (isNumber || text.isEmpty()
            || QString::fromStdString(names.white).contains(text, Qt::CaseInsensitive)
            || QString::fromStdString(names.black).contains(text, Qt::CaseInsensitive)) {
            addLine(i, names);
            ++shown;
        }
        if (i % 20000 == 19999) {
            QCoreApplication::processEvents();
            if (!self || run != searches_) return; // closed, or a newer search runs
        }
    }
    gamesList_->setCurrentRow(0);
    if (shown == kShownGames)
        note_->setText(tr("Seules les %1 premières parties trouvées sont montrées.").arg(shown));
}

void GameChoiceDialog::acceptChoice()
{
    const QListWidgetItem* item = gamesList_->currentItem();
    if (!item) return; // nothing selected: the panel stays
    choice_ = item->data(Qt::UserRole).toInt();
    accept();
}

void GameChoiceDialog::cancelChoice()
{
    choice_ = -1;
    reject();
}

int chooseGame(QWidget* parent, int count, const GameNames& names)
{
    if (count == 1) return 0;
    if (count <= 0) return -1;
    GameChoiceDialog dialog(count, names, parent);
    dialog.exec();
    return dialog.GameChoice();
}

} // namespace kv

#include "ui/opening_editor.h"

#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

namespace {
QPushButton* button(QWidget* parent, const char* name, const QString& text,
                    const QString& hint = {})
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    if (!hint.isEmpty()) b->setToolTip(hint);
    return b;
}
} // namespace

OpeningEditor::OpeningEditor(SideToMove side, OpeningLibrary& library, QWidget* parent)
    : QWidget(parent, Qt::Window), side_(side), library_(library)
{
    setObjectName(side == White ? "TForm2" : "TForm3");
    setWindowTitle(side == White ? tr("Ouvertures pour les blancs")
                                 : tr("Ouvertures pour les noirs"));
    auto* outer = new QVBoxLayout(this);
    fiche_
        = new QGroupBox(side == White ? tr("Ouvertures (Blancs)") : tr("Ouvertures (Noirs)"), this);
    fiche_->setObjectName("Fiche_Ouvertures");
    outer->addWidget(fiche_);
    auto* v = new QVBoxLayout(fiche_);

    const QFont mono("monospace", 10);
    nouvelle_ = new QLineEdit(tr("Nouvelle_Ouverture"), fiche_);
    nouvelle_->setObjectName("Nouvelle_Ouverture");
    nouvelle_->setFont(mono);
    v->addWidget(nouvelle_);

    auto* row = new QHBoxLayout;
    auto* ajouter = button(fiche_, "Valide_Ouverture", tr("Ajouter"),
                           tr("Ajouter l'ouverture ci-dessus dans la liste ci-dessous"));
    auto* effacer = button(fiche_, "Effacer", tr("Effacer"),
                           tr("Effacer l'ouverture ci-dessus (et la même dessous)"));
    row->addWidget(ajouter);
    row->addWidget(effacer);
    row->addStretch();
    v->addLayout(row);

    liste_ = new QListWidget(fiche_);
    liste_->setObjectName("Liste_Ouvertures");
    liste_->setFont(mono);
    v->addWidget(liste_, 1);

    auto* foot = new QHBoxLayout;
    auto* construire = button(this, "Construire_bib", tr("Construire et enregistrer"));
    construire->hide();
    auto* enregistrer = button(this, "BitBtn1", tr("Enregistrer"));
    auto* annuler = button(this, "BitBtn2", tr("Annuler"));
    foot->addStretch();
    foot->addWidget(construire);
    foot->addWidget(enregistrer);
    foot->addWidget(annuler);
    outer->addLayout(foot);
    resize(520, 480);

    connect(ajouter, &QPushButton::clicked, this, &OpeningEditor::addLine);
    connect(effacer, &QPushButton::clicked, this, &OpeningEditor::deleteLine);
    connect(liste_, &QListWidget::itemClicked, this, &OpeningEditor::pickLine);
    connect(enregistrer, &QPushButton::clicked, this, &OpeningEditor::saveSet);
    connect(annuler, &QPushButton::clicked, this, &OpeningEditor::cancelEdits);
    showLines();
}

void OpeningEditor::showLines()
{
    liste_->clear();
    for (const std::string& line : library_.lines()) liste_->addItem(QString::fromStdString(line));
}

void OpeningEditor::setNewLine(const QString& text) { nouvelle_->setText(text); }
QString OpeningEditor::newLine() const { return nouvelle_->text(); }

void OpeningEditor::addLine()
{
    // A line is one text line of the file: no line breaks, and no longer
    // than the reader keeps.
    QString text = nouvelle_->text();
    text.replace('\r', ' ').replace('\n', ' ');
    if (text.trimmed().isEmpty()) return;
    const std::size_t at = library_.add(cutLine(text.toStdString()));
    showLines();
    liste_->setCurrentRow(static_cast<int>(at));
}

void OpeningEditor::deleteLine()
{
    nouvelle_->clear();
    const int row = liste_->currentRow();
    if (row < 0 || !liste_->currentItem() || !liste_->currentItem()->isSelected()) return;
    library_.remove(static_cast<std::size_t>(row));
    showLines();
}

void OpeningEditor::pickLine()
{
    if (QListWidgetItem* item = liste_->currentItem()) nouvelle_->setText(item->text());
}

void OpeningEditor::saveSet()
{
    if (storeSet && !storeSet(side_)) return; // cancelled or failed: the editor stays open
    if (closeEditors) closeEditors();
}

void OpeningEditor::cancelEdits()
{
    if (reload) reload(side_);
    showLines();
    if (closeEditors) closeEditors();
}

WhiteOpeningEditor::WhiteOpeningEditor(OpeningLibrary& white, QWidget* parent)
    : OpeningEditor(White, white, parent)
{
}
BlackOpeningEditor::BlackOpeningEditor(OpeningLibrary& black, QWidget* parent)
    : OpeningEditor(Black, black, parent)
{
}

} // namespace kv

#include "ui/parameter_editor.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

namespace {
constexpr int kBoxWidth = 30, kBoxHeight = 20, kRowHeight = 22;
constexpr int kPanelWidth = 156, kPanelHeight = 8 * kRowHeight + 4;

// Panels and captions of the eight tables, in file order.
constexpr std::array<const char*, kMenTables> kPanelNames { "parmetre1",  "parametre2",
                                                            "parametre3", "parametre4",
                                                            "parametre5", "parametre6",
                                                            "parametre7", "parametre8" };
const char* const kPanelCaptions[kMenTables] = {
    QT_TRANSLATE_NOOP("kv::ParameterEditor", "Début par défaut"),
    QT_TRANSLATE_NOOP("kv::ParameterEditor", "Milieu par défaut"),
    QT_TRANSLATE_NOOP("kv::ParameterEditor", "Préfinale par défaut"),
    QT_TRANSLATE_NOOP("kv::ParameterEditor", "Finale par défaut"),
    QT_TRANSLATE_NOOP("kv::ParameterEditor", "Début variante type 1 : "),
    QT_TRANSLATE_NOOP("kv::ParameterEditor", "Milieu variante type 1 : "),
    QT_TRANSLATE_NOOP("kv::ParameterEditor", "Début variante type 2 : "),
    QT_TRANSLATE_NOOP("kv::ParameterEditor", "Milieu variante type 2 : "),
};

// The items after the tables: thresholds, variant squares, tempo weights.
constexpr int kThresholdItem = kMenTables * 32;        // 256..258
constexpr int kVariant1WhiteItem = kThresholdItem + 3; // 259..265
constexpr int kVariant2WhiteItem = kVariant1WhiteItem + 7;
constexpr int kVariant1BlackItem = kVariant2WhiteItem + 7;
constexpr int kVariant2BlackItem = kVariant1BlackItem + 7;
constexpr int kTempoItem = kVariant2BlackItem + 7; // 287..294

// The edit box names of the 36 items after the thresholds, in item order.
QString otherBoxName(int item)
{
    const auto edit = [](int n) { return QString("Edit%1").arg(n); };
    if (item < kVariant2WhiteItem) return edit(304 + item - kVariant1WhiteItem);
    if (item < kVariant1BlackItem) {
        const int i = item - kVariant2WhiteItem;
        return edit(i < 2 ? 318 + i : 426 + i - 2);
    }
    if (item < kVariant2BlackItem) return edit(311 + item - kVariant1BlackItem);
    if (item < kTempoItem) return edit(431 + item - kVariant2BlackItem);
    const int i = item - kTempoItem;
    return edit(i < 6 ? 320 + i : 438 + i - 6);
}
} // namespace

// The parameter window: its captions name the evaluation's terms in the
// interface language.
ParameterEditor::ParameterEditor(QWidget* parent) : QDialog(parent)
{
    setObjectName("TForm5");
    setWindowTitle(tr("Paramètres"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(tr("Toutes les valeurs des tableaux sont en 1/200e de pion"), this));
    auto* grid = new QGridLayout;
    for (int t = 0; t < kMenTables; ++t) grid->addWidget(tablePanel(t), t / 4, t % 4);
    v->addLayout(grid);
    v->addWidget(lowerPart());

    auto* buttons = new QHBoxLayout;
    refusal_ = new QLabel(this);
    refusal_->setObjectName("Refus_parametre");
    refusal_->setStyleSheet("color: #a01818; font-weight: bold;");
    buttons->addWidget(refusal_);
    buttons->addStretch();
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("parametreOK");
    connect(ok, &QPushButton::clicked, this, &ParameterEditor::acceptParameters);
    auto* cancel = new QPushButton(tr("Annuler"), this);
    cancel->setObjectName("parametrecancel");
    connect(cancel, &QPushButton::clicked, this, &ParameterEditor::cancelEditing);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    v->addLayout(buttons);
}

QLineEdit* ParameterEditor::makeBox(QWidget* parent, int item, const QString& name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFixedSize(kBoxWidth + 6, kBoxHeight);
    box->setAlignment(Qt::AlignRight);
    // Letters cannot be typed; a number outside the range can, and is shown
    // refused at once and again by OK, with the range in its tip.
    const ParameterRange range = parameterItemRange(parameterItemOffset(item));
    auto* validator = new QIntValidator(range.low, range.high, box);
    validator->setLocale(QLocale::c());
    box->setValidator(validator);
    box->setToolTip(rangeText(item));
    connect(box, &QLineEdit::textChanged, this, [this, item] { markBox(item); });
    boxes_[item] = box;
    return box;
}

QWidget* ParameterEditor::tablePanel(int table)
{
    // A caption, the 32 boxes in the shape of the board, and the table's tempo weight.
    auto* holder = new QWidget(this);
    auto* v = new QVBoxLayout(holder);
    v->setContentsMargins(2, 2, 2, 2);
    v->addWidget(new QLabel(tr(kPanelCaptions[table]), holder));
    auto* panel = new QFrame(holder);
    panel->setObjectName(kPanelNames[table]);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFixedSize(kPanelWidth + 8, kPanelHeight);
    for (int own = 1; own <= 32; ++own) {
        const PanelPlace place = parameterPanelPlace(own);
        QLineEdit* box = makeBox(panel, table * 32 + own - 1,
                                 QString("%1_%2").arg(kPanelNames[table]).arg(own));
        box->move(place.x, 2 + (7 - place.rowFromBottom) * kRowHeight);
    }
    v->addWidget(panel);
    auto* tempo = new QHBoxLayout;
    tempo->addWidget(new QLabel(tr("Temps d'avance ="), holder));
    tempo->addWidget(makeBox(holder, kTempoItem + table, otherBoxName(kTempoItem + table)));
    tempo->addWidget(new QLabel(tr("/200 de pion"), holder));
    tempo->addStretch();
    v->addLayout(tempo);
    return holder;
}

QWidget* ParameterEditor::lowerPart()
{
    auto* part = new QWidget(this);
    auto* h = new QHBoxLayout(part);

    auto* phases = new QGridLayout;
    const QString phaseCaptions[3]
        = { tr("Début de partie : + de"), tr("Milieu de partie : + de"), tr("Préfinale : + de") };
    for (int i = 0; i < 3; ++i) {
        phases->addWidget(new QLabel(phaseCaptions[i], part), i, 0);
        phases->addWidget(makeBox(part, kThresholdItem + i, QString("phase%1_bas").arg(i)), i, 1);
        phases->addWidget(new QLabel(tr("pièces"), part), i, 2);
    }
    phases->addWidget(new QLabel(tr("Finale : (le reste)"), part), 3, 0, 1, 3);
    h->addLayout(phases);

    const auto variant = [&](const QString& caption, int whiteItem, int blackItem) {
        auto* g = new QGridLayout;
        g->addWidget(new QLabel(caption, part), 0, 0, 1, 8);
        g->addWidget(new QLabel(tr("cases possiblement blanches"), part), 1, 0);
        g->addWidget(new QLabel(tr("cases possiblement noires"), part), 2, 0);
        for (int i = 0; i < kVariantSquares; ++i) {
            g->addWidget(makeBox(part, whiteItem + i, otherBoxName(whiteItem + i)), 1, 1 + i);
            g->addWidget(makeBox(part, blackItem + i, otherBoxName(blackItem + i)), 2, 1 + i);
        }
        h->addLayout(g);
    };
    variant(tr("Variante type 1 si 8 des 14 conditions ci-après sont vérifiées :"),
            kVariant1WhiteItem, kVariant1BlackItem);
    variant(tr("Variante type 2 si 8 des 14 conditions ci-après sont vérifiées :"),
            kVariant2WhiteItem, kVariant2BlackItem);
    return part;
}

QString ParameterEditor::rangeText(int item) const
{
    const ParameterRange range = parameterItemRange(parameterItemOffset(item));
    return tr("Un nombre entier de %1 à %2").arg(range.low).arg(range.high);
}

void ParameterEditor::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::LanguageChange)
        for (int item = 0; item < kParameterItems; ++item)
            boxes_[item]->setToolTip(rangeText(item));
    QDialog::changeEvent(e);
}

bool ParameterEditor::boxAccepted(int item) const
{
    return parameterItemFromText(parameterItemOffset(item), boxes_[item]->text().toStdString())
        .has_value();
}

void ParameterEditor::markBox(int item)
{
    boxes_[item]->setStyleSheet(boxAccepted(item) ? QString() : "background: #f4c0c0;");
}

void ParameterEditor::edit(const ParameterSet& set)
{
    shown_ = set;
    refusal_->clear();
    show();
    raise();
    for (int item = 0; item < kParameterItems; ++item)
        boxes_[item]->setText(
            QString::fromStdString(parameterItemText(set, parameterItemOffset(item))));
}

void ParameterEditor::acceptParameters()
{
    // Nothing is stored while one box holds what its item cannot take: the
    // first such box gets the focus and the window says what it accepts.
    ParameterSet set = shown_;
    for (int item = 0; item < kParameterItems; ++item) {
        const int offset = parameterItemOffset(item);
        const auto byte = parameterItemFromText(offset, boxes_[item]->text().toStdString());
        if (!byte) {
            refusal_->setText(
                tr("« %1 » refusé : %2.").arg(boxes_[item]->text(), rangeText(item).toLower()));
            boxes_[item]->setFocus();
            boxes_[item]->selectAll();
            return;
        }
        set.bytes[offset] = *byte;
    }
    refusal_->clear();
    hide();
    emit parametersAccepted(set);
}

void ParameterEditor::cancelEditing() { hide(); }

} // namespace kv

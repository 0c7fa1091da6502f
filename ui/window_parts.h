// Layout constants and small widget helpers shared by the files of the main window.
#pragma once

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace kv::window_parts {

constexpr int kTopPanelY = 8;
constexpr int kBottomPanelY = 448;
constexpr int kColumnX = 530;
constexpr int kColumnWidth = 320;
constexpr int kTabY = 126;       // the tabs "Coups joués" and "Calcul"
constexpr int kTabHeight = 250;  // at the column's first height; they take what a window adds
constexpr int kNoticeRowY = 416; // notices, the play status and the draw refusal share this row

// The look of the main window's panels, labels and tabs, by object name.
inline constexpr const char* kMainWindowStyle
    = "QWidget#Fond { background: #e9dfcc; }"
      "QFrame#Panel6, QFrame#Panel7 { background: #f7f1e4; border: 1px solid #b59c74; "
      "border-radius: 6px; }"
      "QFrame#Panel6[trait=\"true\"], QFrame#Panel7[trait=\"true\"] { border: 3px solid #c08a1e; "
      "}"
      "QLabel#Nom_blanc, QLabel#Nom_noir { font-weight: bold; font-size: 14px; }"
      "QLabel#minblanc, QLabel#secblanc, QLabel#minnoir, QLabel#secnoir {"
      "  font-family: monospace; font-size: 22px; font-weight: bold; color: #2b2118; }"
      "QLabel#Panel11 { background: #5a3a22; color: #f7f1e4; border-radius: 4px; padding: 2px "
      "6px; font-weight: bold; }"
      "QFrame#fin_de_parties { background: #fffaf0; border: 2px solid #5a3a22; border-radius: "
      "8px; }"
      "QLabel#qui_gagne { font-size: 20px; font-weight: bold; color: #5a3a22; }"
      "QFrame#Match_nul, QFrame#Panel9, QTabWidget#Nouvelle_partie {"
      "  background: #fffaf0; }"
      "QFrame#Prise_obligatoire, QFrame#Zut, QFrame#Nulrefus {"
      "  background: #fde6a8; border: 1px solid #c08a1e; border-radius: 4px; }"
      "QWidget#Bienvenue { background: #3b2a1c; }"
      "QLabel#Titre { color: #f4e3c1; font-size: 40px; font-weight: bold; }"
      "QLabel#Version { color: #d9c49c; font-size: 14px; }"
      "QPushButton#BoutonDamier2D { font-size: 18px; padding: 10px 24px; }"
      // The four tabs beside the board hold their names in every language.
      "QTabWidget#Onglet > QTabBar::tab { font-size: 11px; padding: 4px 4px; margin-right: 1px;"
      "  background: #efe6d3; border: 1px solid #b59c74; border-bottom: none;"
      "  border-top-left-radius: 4px; border-top-right-radius: 4px; }"
      "QTabWidget#Onglet > QTabBar::tab:selected { background: #fffaf0; }";

inline QLabel* makeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

inline QPushButton* makeButton(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

// A panel laid over the board, hidden until the game shows it.
inline QFrame* overlay(QWidget* parent, const char* name, QRect geometry)
{
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::StyledPanel);
    f->setGeometry(geometry);
    f->setAutoFillBackground(true);
    f->hide();
    return f;
}

// A menu entry with its object name.
inline QAction* addMenuAction(QMenu* menu, const char* name, const QString& text)
{
    auto* a = menu->addAction(text);
    a->setObjectName(name);
    return a;
}

// An OK / "Annuler" row at the foot of a panel or page, its buttons calling
// the receiver's slots.
template <class Receiver>
void addOkCancel(QWidget* page, QBoxLayout* into, const char* okName, const char* cancelName,
                 Receiver* receiver, void (Receiver::*onOk)(), void (Receiver::*onCancel)())
{
    auto* row = new QHBoxLayout;
    auto* ok = makeButton(page, okName, QCoreApplication::translate("kv::MainWindow", "OK"));
    auto* cancel
        = makeButton(page, cancelName, QCoreApplication::translate("kv::MainWindow", "Annuler"));
    QObject::connect(ok, &QPushButton::clicked, receiver, onOk);
    QObject::connect(cancel, &QPushButton::clicked, receiver, onCancel);
    row->addWidget(ok);
    row->addWidget(cancel);
    into->addLayout(row);
}

} // namespace kv::window_parts

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

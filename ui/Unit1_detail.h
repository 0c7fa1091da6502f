// Layout constants and small widget helpers shared by the files of the main window.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace kv::unit1_detail {

constexpr int kTopPanelY = 8;
constexpr int kBottomPanelY = 448;
constexpr int kColumnX = 530;
constexpr int kColumnWidth = 320;
constexpr int kTabY = 126;        // the tabs "Coups joués" and "Calcul"
constexpr int kNoticeRowY = 416;  // notices, the play status and the draw refusal share this row

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

} // namespace kv::unit1_detail

// Layout constants and small widget helpers shared by the files of the main window.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QLatin1String>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace kv::unit1_detail {

constexpr int kTopPanelY = 8;
constexpr int kBottomPanelY = 448;
constexpr int kColumnX = 530;
constexpr int kColumnWidth = 320;

// Captions of the level entries by handler name, French text as the source.
inline const char* levelCaption(const QString& handler)
{
    static const char* const captions[][2] = {
        { "Dbutant1", QT_TRANSLATE_NOOP("TForm1", "0 : Néophyte") },
        { "Niveau01", QT_TRANSLATE_NOOP("TForm1", "1 : Débutant") },
        { "Niveau02", QT_TRANSLATE_NOOP("TForm1", "2 : Amateur") },
        { "Niveau03", QT_TRANSLATE_NOOP("TForm1", "3 : Promotion") },
        { "Niveau04", QT_TRANSLATE_NOOP("TForm1", "4 : Honneur") },
        { "Niveau05", QT_TRANSLATE_NOOP("TForm1", "5 : Excellence") },
        { "Niveau06", QT_TRANSLATE_NOOP("TForm1", "6 : Maître") },
        { "Niveau07", QT_TRANSLATE_NOOP("TForm1", "7 : Grand Maître") },
        { "Niveau081", QT_TRANSLATE_NOOP("TForm1", "8 : Grand Maître International") },
        { "niveau1", QT_TRANSLATE_NOOP("TForm1", "1 : 30 coups en 3 mn") },
        { "niveau2", QT_TRANSLATE_NOOP("TForm1", "2 : 30 coups en 5 mn") },
        { "niveau3", QT_TRANSLATE_NOOP("TForm1", "3 : 30 coups en 10 mn") },
        { "niveau4", QT_TRANSLATE_NOOP("TForm1", "4 : 30 coups en 30 mn") },
        { "niveau5", QT_TRANSLATE_NOOP("TForm1", "5 : 30 coups en 1 h") },
        { "niveau6", QT_TRANSLATE_NOOP("TForm1", "6 : 30 coups en 2 h") },
        { "niveau7", QT_TRANSLATE_NOOP("TForm1", "7 : long, long") },
    };
    for (const auto& c : captions)
        if (handler == QLatin1String(c[0])) return c[1];
    return "";
}

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

// The level menu's entries: for each level index, the menu command's object
// name and its caption in French (the source of its translations).
#pragma once

#include <QtGlobal>

#include <array>

namespace kv {

struct LevelMenuEntry {
    int index;
    const char* objectName;
    const char* caption;
};

inline constexpr std::array<LevelMenuEntry, 16> kLevelMenu { {
    { 0, "Dbutant1", QT_TRANSLATE_NOOP("kv::MainWindow", "0 : Néophyte") },
    { 1, "Niveau01", QT_TRANSLATE_NOOP("kv::MainWindow", "1 : Débutant") },
    { 2, "Niveau02", QT_TRANSLATE_NOOP("kv::MainWindow", "2 : Amateur") },
    { 3, "Niveau03", QT_TRANSLATE_NOOP("kv::MainWindow", "3 : Promotion") },
    { 4, "Niveau04", QT_TRANSLATE_NOOP("kv::MainWindow", "4 : Honneur") },
    { 5, "Niveau05", QT_TRANSLATE_NOOP("kv::MainWindow", "5 : Excellence") },
    { 6, "Niveau06", QT_TRANSLATE_NOOP("kv::MainWindow", "6 : Maître") },
    { 7, "Niveau07", QT_TRANSLATE_NOOP("kv::MainWindow", "7 : Grand Maître") },
    { 8, "Niveau081", QT_TRANSLATE_NOOP("kv::MainWindow", "8 : Grand Maître International") },
    { 11, "niveau1", QT_TRANSLATE_NOOP("kv::MainWindow", "1 : 30 coups en 3 mn") },
    { 12, "niveau2", QT_TRANSLATE_NOOP("kv::MainWindow", "2 : 30 coups en 5 mn") },
    { 13, "niveau3", QT_TRANSLATE_NOOP("kv::MainWindow", "3 : 30 coups en 10 mn") },
    { 14, "niveau4", QT_TRANSLATE_NOOP("kv::MainWindow", "4 : 30 coups en 30 mn") },
    { 15, "niveau5", QT_TRANSLATE_NOOP("kv::MainWindow", "5 : 30 coups en 1 h") },
    { 16, "niveau6", QT_TRANSLATE_NOOP("kv::MainWindow", "6 : 30 coups en 2 h") },
    { 17, "niveau7", QT_TRANSLATE_NOOP("kv::MainWindow", "7 : long, long") },
} };

// The entry of a level index; nullptr for "Autre" (18), which has its own command.
inline const LevelMenuEntry* levelMenuEntry(int index)
{
    for (const LevelMenuEntry& e : kLevelMenu)
        if (e.index == index) return &e;
    return nullptr;
}

} // namespace kv

// The six interface languages: their index (the one kept in "last32.dam"),
// the Help menu entry and welcome-panel button that choose each, the name
// shown on them, the suffix of the translation file and the help pages.
#pragma once

#include <array>
#include <string_view>

namespace kv {

enum Language : int { French, English, Dutch, Portuguese, Spanish, Italian };
constexpr int kLanguageCount = 6;

struct LanguageEntry {
    Language index;
    std::string_view code;       // korvelan_<code>.qm; French is the source and has none
    std::string_view menuAction; // the entry of the Help menu's language sub-menu
    std::string_view button;     // the welcome panel's button
    std::string_view name;       // shown on both, in its own language
    std::string_view guide;      // base name of the help pages
    std::string_view rules;
};

// By language index. Italian readers get their own pages rather than English or Spanish ones.
constexpr std::array<LanguageEntry, kLanguageCount> kLanguageTable { {
    { French, "fr", "Franais1", "Button5", "Français", "Korvelan", "Rkorvelan_f" },
    { English, "en", "English1", "Button6", "English", "Korvelan_e", "Rkorvelan_e" },
    { Dutch, "nl", "Nederlands1", "Button7", "Nederlands", "Korvelan_nl", "Rkorvelan_nl" },
    { Portuguese, "pt", "Portugues1", "Button2", "Português", "Korvelan_p", "Rkorvelan_p" },
    { Spanish, "es", "Espanol1", "Button8", "Español", "Korvelan_es", "Rkorvelan_es" },
    { Italian, "it", "Italiano1", "Button1A", "Italiano", "Korvelan_it", "Rkorvelan_it" },
} };

// The order of the Help menu's language sub-menu.
constexpr std::array<Language, kLanguageCount> kLanguageMenuOrder { Portuguese, French,  English,
                                                                    Dutch,      Spanish, Italian };

constexpr const LanguageEntry& languageEntry(int index)
{
    return kLanguageTable[index >= 0 && index < kLanguageCount ? index : 0];
}

// Board themes that keep one proper name in every language, once a language is applied.
struct ThemeRename {
    std::string_view action;
    std::string_view name;
};
constexpr std::array<ThemeRename, 4> kRenamedThemes { {
    { "Damier3D4", "Mataro" },
    { "Damier3D5", "Malaga" },
    { "Damier3D6", "Inferno" },
    { "Damier3D8", "Guadalquivir" },
} };
constexpr std::string_view kRenamedTitle = "KORVELAN 3D";

} // namespace kv

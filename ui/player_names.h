// Player names as files keep them and as the window shows them. The player
// who gave no name is kept as "Inconnu" in the record, the registry and every
// file, whatever the language; the window shows that name in the interface
// language and reads it back from what it shows.
#pragma once

#include <QString>

#include <string>

namespace kv {

QString shownPlayerName(const std::string& stored);
// The name to keep for a name the user left or typed: the shown name of the
// nameless player (in the current language) becomes "Inconnu" again.
QString storedPlayerName(const QString& shown);

} // namespace kv

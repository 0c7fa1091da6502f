#include "ui/player_names.h"

#include "players/registry.h"

#include <QCoreApplication>

namespace kv {

namespace {
struct PlayerNames {
    Q_DECLARE_TR_FUNCTIONS(kv::PlayerNames)
};
} // namespace

QString shownPlayerName(const std::string& stored)
{
    if (stored == kUnknownPlayer) return PlayerNames::tr("Inconnu");
    return QString::fromStdString(stored);
}

QString storedPlayerName(const QString& shown)
{
    const QString name = shown.trimmed();
    return name == PlayerNames::tr("Inconnu") ? QString::fromUtf8(kUnknownPlayer) : name;
}

} // namespace kv

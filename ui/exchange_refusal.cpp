#include "ui/exchange_refusal.h"

#include <QCoreApplication>

namespace kv {

namespace {
QString reason(ExchangeProblemKind kind)
{
    switch (kind) {
    case ExchangeProblemKind::NoSuchGame:
        return QCoreApplication::translate("ExchangeRefusal",
                                           "le fichier ne contient pas cette partie");
    case ExchangeProblemKind::Structure:
        return QCoreApplication::translate(
            "ExchangeRefusal", "un commentaire, une variante ou une étiquette est mal fermé");
    case ExchangeProblemKind::OtherVariant:
        return QCoreApplication::translate("ExchangeRefusal",
                                           "c'est une partie d'une autre variante de dames");
    case ExchangeProblemKind::SetUp:
        return QCoreApplication::translate("ExchangeRefusal",
                                           "la position de départ ne peut pas être lue");
    case ExchangeProblemKind::UnreadableMove:
        return QCoreApplication::translate("ExchangeRefusal", "un coup ne peut pas être lu");
    case ExchangeProblemKind::IllegalMove:
        return QCoreApplication::translate("ExchangeRefusal",
                                           "un coup n'est pas légal dans la position atteinte");
    case ExchangeProblemKind::AmbiguousMove:
        return QCoreApplication::translate("ExchangeRefusal",
                                           "une prise peut se lire de plusieurs façons");
    }
    return {};
}
} // namespace

QString refusalMessage(const ExchangeProblem& p)
{
    const QString where = p.line > 0
        ? QCoreApplication::translate("ExchangeRefusal", "Partie %1, ligne %2 : %3.")
              .arg(p.game)
              .arg(p.line)
              .arg(reason(p.kind))
        : QCoreApplication::translate("ExchangeRefusal", "Partie %1 : %2.")
              .arg(p.game)
              .arg(reason(p.kind));
    return where + "\n" + QString::fromStdString(p.detail);
}

} // namespace kv

// The marker colours of both board views, given as the platform values of
// the original palette.
#pragma once

#include "game/board_picture.h"

#include <QColor>

namespace kv {

inline QColor markerColour(MarkColour m)
{
    switch (m) {
    case MarkColour::Red: return QColor(255, 0, 0);
    case MarkColour::Blue: return QColor(0, 0, 255);
    case MarkColour::Fuchsia: return QColor(255, 0, 255);
    case MarkColour::Cyan: return QColor(0, 255, 255);
    case MarkColour::Silver: return QColor(192, 192, 192);
    case MarkColour::None: break;
    }
    return {};
}

} // namespace kv

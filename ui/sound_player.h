// Plays the game's three sounds with Qt Multimedia. A machine without an
// audio output, a missing file or KORVELAN_SILENT in the environment makes
// every call a quiet no-op; nothing here ever waits for the sound to end.
#pragma once

#include "game/game_view.h"

#include <QObject>
#include <QString>

#include <array>

class QSoundEffect;

namespace kv {

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(const QString& programDir, QObject* parent = nullptr);
    void play(Sound sound);
    bool available() const { return available_; }

private:
    QString dir_;
    bool available_ = false;
    std::array<QSoundEffect*, 3> effects_ {};
};

} // namespace kv

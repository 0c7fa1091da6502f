#include "ui/sound_player.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace kv {

SoundPlayer::SoundPlayer(const QString& programDir, QObject* parent)
    : QObject(parent), dir_(programDir)
{
    available_ = qEnvironmentVariableIsEmpty("KORVELAN_SILENT")
        && !QMediaDevices::audioOutputs().isEmpty();
}

void SoundPlayer::play(Sound sound)
{
    if (!available_) return;
    static const char* const files[3] = { "son.wav", "gagne.wav", "Perdu.wav" };
    const int i = static_cast<int>(sound);
    if (!effects_[i]) {
        const QString path = dir_ + "/" + files[i];
        if (!QFileInfo::exists(path)) return;
        effects_[i] = new QSoundEffect(this);
        effects_[i]->setSource(QUrl::fromLocalFile(path));
    }
    effects_[i]->play();
}

} // namespace kv

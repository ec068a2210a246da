#include "audio/QtAudioSession.h"

#include <QCoreApplication>
#include <QAudioDevice>
#include <QMediaDevices>

namespace audio {

bool QtAudioSession::setCategoryPlayAndRecord()
{
    return true;
}

bool QtAudioSession::overrideOutputToSpeaker()
{
    return true;
}

bool QtAudioSession::activate()
{
    return QCoreApplication::instance() != nullptr && !QMediaDevices::defaultAudioOutput().isNull();
}

} // namespace audio

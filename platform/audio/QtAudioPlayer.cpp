#include "audio/QtAudioPlayer.h"

#include "audio/PcmLoopSource.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>

namespace audio {
namespace {

QAudioFormat audioFormat(const WavData& wav)
{
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(wav.sampleRate));
    format.setChannelCount(wav.channelCount);
    switch (wav.bitsPerSample) {
    case 8: format.setSampleFormat(QAudioFormat::UInt8); break;
    case 16: format.setSampleFormat(QAudioFormat::Int16); break;
    default: format.setSampleFormat(QAudioFormat::Int32); break;
    }
    return format;
}

} // namespace

QtAudioPlayer::QtAudioPlayer(WavData wav)
    : wavFormat_{wav.sampleRate, wav.channelCount, wav.bitsPerSample, {}},
      source_(std::make_unique<PcmLoopSource>(std::move(wav.samples)))
{
    source_->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

// The sink stops reading before its source goes. Players kept by long-lived services may outlive
// the application object, and Qt's audio back end with it: then both are left to the process's end.
QtAudioPlayer::~QtAudioPlayer()
{
    if (sink_ && !QCoreApplication::instance()) {
        (void)sink_.release();
        (void)source_.release();
        return;
    }
    sink_.reset();
}

void QtAudioPlayer::setVolume(float volume)
{
    volume_ = volume;
    if (sink_)
        sink_->setVolume(volume);
}

bool QtAudioPlayer::prepareToPlay()
{
    if (sink_)
        return true;
    if (!QCoreApplication::instance())
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    sink_ = std::make_unique<QAudioSink>(device, audioFormat(wavFormat_));
    sink_->setVolume(volume_);
    return true;
}

bool QtAudioPlayer::play()
{
    if (!prepareToPlay())
        return false;
    sink_->setVolume(volume_);
    if (sink_->state() == QAudio::SuspendedState) {
        sink_->resume();
    } else if (!isPlaying()) {
        // A sound that ran out starts again from its beginning.
        sink_->stop();
        source_->rewind(numberOfLoops_);
        sink_->start(source_.get());
    }
    return sink_->error() == QAudio::NoError;
}

void QtAudioPlayer::pause()
{
    if (sink_ && sink_->state() == QAudio::ActiveState)
        sink_->suspend();
}

bool QtAudioPlayer::isPlaying() const
{
    return sink_ && sink_->state() == QAudio::ActiveState && !source_->isFinished();
}

} // namespace audio

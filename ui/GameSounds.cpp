#include "ui/GameSounds.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

struct Note {
    double hertz;       // at the start
    double endHertz;    // at the end: a slide, or the same
    int milliseconds;
};

// Each sound as notes one after another: short, distinct, never harsh.
std::vector<Note> Notes(GameSound sound) {
    switch (sound) {
        case GameSound::Turn: return {{1400, 1400, 35}};
        case GameSound::Pair: return {{660, 660, 70}, {990, 990, 110}};
        case GameSound::Miss: return {{330, 220, 180}};
        case GameSound::Show: return {{880, 1320, 140}};
        case GameSound::GameEnd: return {{523, 523, 110}, {659, 659, 110}, {784, 784, 110}, {1047, 1047, 260}};
    }
    return {};
}

}  // namespace

QByteArray SynthesiseSound(GameSound sound) {
    constexpr double kLoudness = 0.3 * 32767;
    std::vector<int16_t> samples;
    for (const Note& note : Notes(sound)) {
        const int count = kSoundSampleRate * note.milliseconds / 1000;
        const int attack = kSoundSampleRate / 200;  // 5 ms: no click at the start
        double phase = 0;
        for (int i = 0; i < count; ++i) {
            const double t = double(i) / count;
            const double hertz = note.hertz + (note.endHertz - note.hertz) * t;
            phase += 2 * std::numbers::pi * hertz / kSoundSampleRate;
            const double envelope = std::min(1.0, double(i) / attack) * std::exp(-4.0 * t) * (1 - t);
            samples.push_back(int16_t(std::lround(kLoudness * envelope * std::sin(phase))));
        }
    }
    return QByteArray(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size() * sizeof(int16_t)));
}

SynthesisedSounds::SynthesisedSounds() : buffer_(std::make_unique<QBuffer>()) {
    for (int i = 0; i < kGameSoundCount; ++i) samples_[size_t(i)] = SynthesiseSound(GameSound(i));
}

SynthesisedSounds::~SynthesisedSounds() {
    if (sink_) sink_->stop();
}

void SynthesisedSounds::Play(GameSound sound) {
    if (!sink_) {
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        if (output.isNull()) return;  // no audio here: silence is no fault
        QAudioFormat format;
        format.setSampleRate(kSoundSampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!output.isFormatSupported(format)) return;
        sink_ = new QAudioSink(output, format, this);
    }
    sink_->stop();
    buffer_->close();
    buffer_->setData(samples_[size_t(sound)]);
    buffer_->open(QIODevice::ReadOnly);
    sink_->start(buffer_.get());
}

// The game's sounds: a card turned, a pair found, a miss, Show!, the end of a game.
// They are synthesised here (no recording is shipped) and played through Qt
// Multimedia; a machine without an audio output plays nothing, without a word.
#pragma once

#include <QByteArray>
#include <QObject>

#include <array>
#include <memory>

class QAudioSink;
class QBuffer;

enum class GameSound { Turn, Pair, Miss, Show, GameEnd };
constexpr int kGameSoundCount = 5;

// What the windows play sounds through; tests hear them through one of their own.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void Play(GameSound sound) = 0;
};

// 16-bit signed mono samples at this rate, little-endian as the machine is.
constexpr int kSoundSampleRate = 22050;
// The sound as samples: short tones with a quick attack and a decay, never clipped.
QByteArray SynthesiseSound(GameSound sound);

class SynthesisedSounds : public QObject, public SoundPlayer {
public:
    SynthesisedSounds();
    ~SynthesisedSounds() override;
    // A sound cuts short the one playing, as the game's events follow each other fast.
    void Play(GameSound sound) override;

private:
    std::array<QByteArray, kGameSoundCount> samples_;
    std::unique_ptr<QBuffer> buffer_;
    QAudioSink* sink_ = nullptr;  // made at the first sound, when there is an output
};

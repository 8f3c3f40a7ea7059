// The game's sounds: each a short, distinct tone that starts and ends in silence and
// never clips; and on a machine without an audio output, playing is silent and safe.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QAudioDevice>
#include <QMediaDevices>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

#include "ui/GameSounds.h"

namespace {

std::vector<int16_t> Samples(GameSound sound) {
    const QByteArray bytes = SynthesiseSound(sound);
    std::vector<int16_t> samples(size_t(bytes.size()) / 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
}

}  // namespace

TEST(GameSounds, ShortDistinctAndClean) {
    struct Case {
        GameSound sound;
        int milliseconds;  // as long as its notes
    };
    const Case cases[] = {{GameSound::Turn, 35}, {GameSound::Pair, 180}, {GameSound::Miss, 180},
                          {GameSound::Show, 140}, {GameSound::GameEnd, 590}};
    std::set<QByteArray> seen;
    for (const Case& c : cases) {
        const std::vector<int16_t> samples = Samples(c.sound);
        EXPECT_NEAR(double(samples.size()), kSoundSampleRate * c.milliseconds / 1000.0, 4) << int(c.sound);
        int peak = 0;
        for (int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(peak, 3000) << int(c.sound);               // heard
        EXPECT_LE(peak, int(0.3 * 32767) + 1) << int(c.sound);  // never loud, never clipped
        EXPECT_LT(std::abs(int(samples.front())), 200) << int(c.sound);  // no click at either end
        EXPECT_LT(std::abs(int(samples.back())), 200) << int(c.sound);
        seen.insert(SynthesiseSound(c.sound));
    }
    EXPECT_EQ(seen.size(), std::size(cases));
}

// This machine's tests have no sound server: every sound, again and again, plays
// nothing and raises nothing.
TEST(GameSounds, SilentWithoutAnOutput) {
    int argc = 1;
    char name[] = "game_sounds_tests";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    if (!QMediaDevices::audioOutputs().isEmpty()) GTEST_SKIP() << "this machine has an audio output";
    SynthesisedSounds sounds;
    for (int round = 0; round < 3; ++round)
        for (int i = 0; i < kGameSoundCount; ++i) EXPECT_NO_THROW(sounds.Play(GameSound(i)));
    QCoreApplication::processEvents();
}

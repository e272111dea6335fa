#include <QCoreApplication>
#include <QObject>
#include <atomic>

#include "WaveTestKit.h"
#include "platform/WindowMessage.h"

namespace {

struct MessageLog : QObject {
    void customEvent(QEvent* e) override {
        if (e->type() == platform::WindowMessageEvent::eventType()) {
            const auto* m = static_cast<platform::WindowMessageEvent*>(e);
            messages.push_back(m->message());
            wParam = m->wParam();
        }
    }
    std::vector<unsigned> messages;
    std::uintptr_t wParam = 0;
};

// Index of the first sample where heard differs from the main wave halved.
std::size_t firstMixed(const std::vector<std::int16_t>& heard,
                       const std::vector<std::int16_t>& main) {
    std::size_t i = 0;
    while (i < heard.size() && heard[i] == (i < main.size() ? main[i] >> 1 : 0)) {
        ++i;
    }
    return i;
}

void countCall(std::intptr_t counter, std::intptr_t) {
    ++*reinterpret_cast<std::atomic<int>*>(counter);
}

TEST_F(WaveTest, MainWaveIsHalvedAndAMemoryWaveLandsAheadOfThePlayPosition) {
    const auto main = ramp(2 * kRate, 20000, 97, 100);
    const auto mem = ramp(3000, 4000, -50, 160);
    WaveRecord* wave = LoadWave(writeWave("mem.wav", mem).c_str());
    ASSERT_NE(wave, nullptr);
    EXPECT_EQ(PlayWave(writeWave("main.wav", main).c_str()), 0);
    pumpFor(30);
    EXPECT_EQ(PlayMemoryWave(wave), 1u);
    pumpFor(400);
    const auto out = heard();
    ASSERT_GT(out.size(), main.size());
    const std::size_t at = firstMixed(out, main);
    // 12,000 bytes past the position when it started, inside the first second.
    EXPECT_GE(at * 2, 12000u);
    EXPECT_LT(at, main.size());
    for (std::size_t j = 0; j < mem.size(); ++j) {
        const int under = at + j < main.size() ? main[at + j] >> 1 : 0;
        ASSERT_EQ(out[at + j], sat(under + (mem[j] >> 2))) << j;
    }
    for (std::size_t i = at + mem.size(); i < main.size(); ++i) {
        ASSERT_EQ(out[i], main[i] >> 1) << i;
    }
    FreeMemoryWave(wave);
}

TEST_F(WaveTest, OverlappingInstancesGetIncreasingIdsAndSaturate) {
    const std::vector<std::int16_t> main(3 * kRate, 30000);
    WaveRecord* wave =
        LoadWave(writeWave("loud.wav", std::vector<std::int16_t>(kRate, 32000)).c_str());
    EXPECT_EQ(PlayMemoryWave(nullptr), 0u);
    PlayWave(writeWave("main.wav", main).c_str());
    const auto a = PlayMemoryWave(wave);
    pumpFor(5);
    const auto b = PlayMemoryWave(wave);
    pumpFor(5);
    const auto c = PlayMemoryWave(wave);
    EXPECT_EQ(b, a + 1);
    EXPECT_EQ(c, b + 1);
    // The loaded wave may go while its instances play: they keep the samples.
    FreeMemoryWave(wave);
    pumpFor(300);
    const auto out = heard();
    const std::size_t at = firstMixed(out, main);
    ASSERT_LT(at + kRate, out.size());
    // One, two, then three instances over the main wave; three saturate.
    std::vector<std::int16_t> levels{out[at]};
    for (std::size_t i = at; i < at + kRate && levels.size() < 3; ++i) {
        if (out[i] != levels.back()) {
            levels.push_back(out[i]);
        }
    }
    EXPECT_EQ(levels, (std::vector<std::int16_t>{23000, 31000, 32767}));
}

TEST_F(WaveTest, AMemoryWaveStartsAnIdleEngineAgainAndNotifiesWhenItEnds) {
    std::atomic<int> ended{0};
    PlayWave(writeWave("main.wav", ramp(400, 1000, 1, 10)).c_str());
    pumpFor(100);  // the main wave has ended: the engine is idle
    const auto mem = ramp(2000, 8000, 4, 30);
    WaveRecord* wave = LoadWave(writeWave("mem.wav", mem).c_str());
    const auto id = PlayMemoryWave(wave);
    SetNotifyCallBack(id, &countCall, reinterpret_cast<std::intptr_t>(&ended), 0);
    EXPECT_TRUE(pumpUntil([&] { return ended == 1; }));
    // An instance that has ended is told at once.
    SetNotifyCallBack(id, &countCall, reinterpret_cast<std::intptr_t>(&ended), 0);
    EXPECT_EQ(ended, 2);
    const auto out = heard();
    std::size_t at = 400;
    while (at < out.size() && out[at] == 0) {
        ++at;
    }
    ASSERT_LE(at + mem.size(), out.size());
    for (std::size_t j = 0; j < mem.size(); ++j) {
        ASSERT_EQ(out[at + j], mem[j] >> 2) << j;
    }
    FreeMemoryWave(wave);
}

TEST_F(WaveTest, ALoopedInstancePlaysUntilStoppedAndAStoppedOneIsSilenced) {
    PlayWave(writeWave("main.wav", std::vector<std::int16_t>(kRate / 2, 2)).c_str());
    WaveRecord* wave = LoadWave(writeWave("tick.wav", ramp(100, 400, 40, 100)).c_str());
    const auto id = PlayMemoryWaveLooped(wave);
    pumpFor(700);  // about eleven seconds of sound
    StopPlayingMemoryWave(id, 1);
    const auto out = heard();
    // The loop still sounds after five seconds, every 100 samples again.
    const std::size_t late = 5 * kRate;
    ASSERT_GT(out.size(), late + 200);
    std::size_t at = late;
    while (out[at] != 100) {
        ++at;
    }
    for (std::size_t j = 0; j < 200; ++j) {
        ASSERT_EQ(out[at + j], 100 + static_cast<int>(j % 100) * 10) << j;
    }
    FreeMemoryWave(wave);
}

TEST_F(WaveTest, MainWaveLongerThanTheRingStreamsAndNotifiesOnceAtItsEnd) {
    const auto main = ramp(7 * kRate + 123, -20000, 13, 3001);
    int argc = 1;
    char name[] = "bkit_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    MessageLog log;
    PlayWave(writeWave("long.wav", main).c_str());
    SetMainWaveNotifyWindow(&log, 0x400, 7);
    // Only the event loop runs: the engine refills its ring through it.
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(800);
    while (std::chrono::steady_clock::now() < end) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(log.messages, (std::vector<unsigned>{0x400}));
    EXPECT_EQ(log.wParam, 7u);
    const auto out = heard();
    ASSERT_GE(out.size(), main.size());
    for (std::size_t i = 0; i < main.size(); ++i) {
        ASSERT_EQ(out[i], main[i] >> 1) << i;
    }
}

TEST_F(WaveTest, MainPeakSetsTheVolumeOnceAndExitRestoresIt) {
    const std::string main = writeWave("main.wav", std::vector<std::int16_t>(kRate, 20000));
    PlayWave(main.c_str());
    EXPECT_EQ(SetMainPeak(64), 0);
    EXPECT_GT(SetMainPeak(64), 0);  // unchanged: the result is the debug text's length
    pumpFor(100);
    auto out = heard();
    ASSERT_GE(out.size(), kRate);
    EXPECT_EQ(out[kRate - 1], 10000 * 0x7FFF / 0xFFFF);
    PlayWave(main.c_str());
    pumpFor(100);
    out = heard();
    ASSERT_GE(out.size(), kRate);
    EXPECT_EQ(out[kRate - 1], 10000);
}

}  // namespace

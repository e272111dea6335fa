#include "WaveTestKit.h"
#include "bkit/WaveCollectionFile.h"
#include "platform/ByteReader.h"
#include "platform/MessageBox.h"

namespace {

class WaveFilesTest : public WaveTest {
  protected:
    // Collection with a wave shorter than one second and one longer.
    void SetUp() override {
        WaveTest::SetUp();
        shortWave_ = ramp(3000, 9000, 11, 700);
        longWave_ = ramp(kRate * 5 / 2, -30000, 7, 9000);
        collection_ = bkit::buildWaveCollection(
            {{"Short", bytesOf(shortWave_)}, {"LongOne", bytesOf(longWave_)}}, kSecond);
        writeBytes("sounds.wvc", collection_);
    }
    static std::vector<std::uint8_t> bytesOf(const std::vector<std::int16_t>& s) {
        platform::ByteWriter w;
        for (const std::int16_t v : s) {
            w.i16(v);
        }
        return w.take();
    }
    // Plays a loaded wave on an idle engine and returns the n samples heard.
    std::vector<std::int16_t> playAlone(WaveRecord* wave, std::size_t n) {
        PlayWave(writeWave("main.wav", std::vector<std::int16_t>(400, 1000)).c_str());
        pumpFor(60);
        EXPECT_NE(PlayMemoryWave(wave), 0u);
        pumpFor(350);
        const auto out = heard();
        std::size_t at = 400;
        while (at < out.size() && out[at] == 0) {
            ++at;
        }
        n = std::min(n, out.size() - at);
        return {out.begin() + static_cast<std::ptrdiff_t>(at),
                out.begin() + static_cast<std::ptrdiff_t>(at + n)};
    }
    std::vector<std::int16_t> shortWave_;
    std::vector<std::int16_t> longWave_;
    std::vector<std::uint8_t> collection_;
};

TEST_F(WaveFilesTest, RecordsKeepTheirStoredLayout) {
    platform::ByteReader in(collection_);
    EXPECT_EQ(in.i32(), 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(in.bytes(20).data())), "SHORT");
    const std::uint32_t record = in.u32();
    EXPECT_EQ(in.i32(), 6000);
    EXPECT_EQ(record, 4u + 2 * 28);
    const auto field = [&](std::size_t offset) {
        in.seek(record + offset);
        return in.u32();
    };
    EXPECT_EQ(field(4), 6000u);
    EXPECT_EQ(field(16), 1u);
    EXPECT_EQ(field(108), 0xFFFFFFFFu);
    EXPECT_EQ(field(112), 6000u);
    in.seek(record + 140);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(in.bytes(60).data())), "Short");
    EXPECT_EQ(in.position(), record + 200);
}

TEST_F(WaveFilesTest, CollectedWavesPlayAsStoredAndTheQuickLoaderGivesTheSame) {
    PlayWave(writeWave("main.wav", std::vector<std::int16_t>(400, 1000)).c_str());
    ASSERT_EQ(SetWaveCollection(file("sounds.wvc").c_str(), nullptr), 1);
    EXPECT_EQ(QueryCollectedWaveSize("longone"), static_cast<std::int32_t>(longWave_.size() * 2));
    EXPECT_EQ(QueryCollectedWaveSize("missing"), 0);
    EXPECT_EQ(LoadCollectedWave("missing"), nullptr);
    WaveRecord* shortOne = LoadCollectedWave("short");
    WaveRecord* longOne = LoadCollectedWave("LONGONE");
    ASSERT_NE(shortOne, nullptr);
    ASSERT_NE(longOne, nullptr);
    EXPECT_EQ(playAlone(shortOne, shortWave_.size()), shortWave_);
    EXPECT_EQ(playAlone(longOne, longWave_.size()), longWave_);
    ASSERT_EQ(SaveQuickLoader(file("sounds.qld").c_str()), 1);
    FreeMemoryWave(shortOne);
    FreeMemoryWave(longOne);

    ASSERT_EQ(SetWaveCollection(file("sounds.wvc").c_str(), file("sounds.qld").c_str()), 1);
    shortOne = LoadCollectedWave("Short");
    longOne = LoadCollectedWave("LongOne");
    EXPECT_EQ(playAlone(shortOne, shortWave_.size()), shortWave_);
    EXPECT_EQ(playAlone(longOne, longWave_.size()), longWave_);
    FreeMemoryWave(shortOne);
    FreeMemoryWave(longOne);
}

TEST_F(WaveFilesTest, MalformedCollectionsAreRefused) {
    const auto withField = [&](std::size_t offset, std::uint32_t value) {
        auto bytes = collection_;
        for (int i = 0; i < 4; ++i) {
            bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
        writeBytes("bad.wvc", bytes);
        return file("bad.wvc");
    };
    const auto withLetters = [&](std::size_t offset, std::size_t n) {
        auto bytes = collection_;
        std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), n, 'A');
        writeBytes("bad.wvc", bytes);
        return file("bad.wvc");
    };
    EXPECT_EQ(SetWaveCollection(withField(0, 1000).c_str(), nullptr), 0);  // count past the end
    EXPECT_EQ(SetWaveCollection(withField(0, 0x80000000u).c_str(), nullptr), 0);  // negative count
    EXPECT_EQ(SetWaveCollection(withLetters(4, 20).c_str(), nullptr), 0);  // name unterminated
    EXPECT_EQ(SetWaveCollection(file("none.wvc").c_str(), nullptr), 0);

    const std::size_t record = 4 + 2 * 28;
    ASSERT_EQ(SetWaveCollection(withField(4 + 20, 0x7FFFFFF0).c_str(), nullptr), 1);
    EXPECT_EQ(LoadCollectedWave("SHORT"), nullptr);  // record past the end
    ASSERT_EQ(SetWaveCollection(withField(record + 4, 0x7FFFFFF0).c_str(), nullptr), 1);
    EXPECT_EQ(LoadCollectedWave("SHORT"), nullptr);  // data past the end
    ASSERT_EQ(SetWaveCollection(withLetters(record + 140, 60).c_str(), nullptr), 1);
    EXPECT_EQ(LoadCollectedWave("SHORT"), nullptr);  // record name unterminated
    EXPECT_TRUE(bkit::buildWaveCollection({{"ANAMEOFTWENTYLETTERS", {1, 2}}}, kSecond).empty());
}

TEST_F(WaveFilesTest, MalformedWaveFilesAreRefused) {
    const auto good = waveBytes(ramp(50, 100, 1, 50));
    std::vector<platform::MessageBoxRecord> boxes;
    platform::setMessageBoxInterceptor([&](const platform::MessageBoxRecord& r) {
        boxes.push_back(r);
        return IDOK;
    });
    for (std::size_t n = 0; n < good.size(); ++n) {
        writeBytes("cut.wav", {good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n)});
        ASSERT_EQ(LoadWave(file("cut.wav").c_str()), nullptr) << n;
    }
    const auto withField = [&](std::size_t offset, std::uint16_t value) {
        auto bytes = good;
        bytes[offset] = static_cast<std::uint8_t>(value);
        bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
        writeBytes("bad.wav", bytes);
        return file("bad.wav");
    };
    EXPECT_EQ(LoadWave(withField(4, 0xFFFF).c_str()), nullptr);   // RIFF size lies
    EXPECT_EQ(LoadWave(withField(16, 0x7FFF).c_str()), nullptr);  // fmt size lies
    EXPECT_EQ(LoadWave(withField(40, 0xFFFF).c_str()), nullptr);  // data size lies
    EXPECT_EQ(LoadWave(withField(34, 8).c_str()), nullptr);       // 8 bits
    EXPECT_EQ(LoadWave(withField(22, 0).c_str()), nullptr);       // no channels
    EXPECT_EQ(PlayWave(withField(34, 8).c_str()), 0);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(PlayWave(withField(20, 3).c_str()), 0);  // floating point
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The file is not a PCM file.");
    platform::setMessageBoxInterceptor({});
}

TEST_F(WaveFilesTest, InstancesBeyondTheTableGetAnIdButAreNotKept) {
    WaveRecord* wave = LoadWave(writeWave("w.wav", ramp(10, 100, 1, 10)).c_str());
    std::uint32_t last = 0;
    for (int i = 0; i < 1020; ++i) {
        last = PlayMemoryWave(wave);
    }
    int called = 0;
    const WAVECALLBACK count = [](std::intptr_t c, std::intptr_t) { ++*reinterpret_cast<int*>(c); };
    SetNotifyCallBack(last - 1, count, reinterpret_cast<std::intptr_t>(&called), 0);
    EXPECT_EQ(called, 0);  // the 1,019th is stored
    SetNotifyCallBack(last, count, reinterpret_cast<std::intptr_t>(&called), 0);
    EXPECT_EQ(called, 1);  // the 1,020th has no slot: told at once
    EXPECT_EQ(StopPlayingMemoryWave(0, 1), 0);
    EXPECT_EQ(SetNotifyWindow(0, nullptr, 1, 2), 0);
    FreeMemoryWave(wave);
}

}  // namespace

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <thread>

#include "PIXPICK32.h"
#include "cutting/PieceCutter.h"
#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "savegame/SavedGame.h"
#include "savegame/SavedGameIo.h"

using sprites::Sprite;

namespace {

constexpr int kPiece = 24;
constexpr int kColumns = 4;
constexpr int kRows = 3;
constexpr int kScreen = 200;

std::unique_ptr<Sprite> pieceOf(const cutting::PieceCutter& cutter, platform::Surface* picture,
                                int column, int row) {
    const cutting::PieceMask* m = cutter.mask(column, row);
    const cutting::MaskBox box = cutter.maskBox(column, row);
    const cutting::MaskBits bits{m->words(), m->wordsPerRow(), m->width(), m->height(), 0, 0};
    const sprites::CellRect cell{column * kPiece, row * kPiece, kPiece, kPiece};
    return Sprite::create(picture, box.left, box.top, box.width, box.height, cell, &bits);
}

std::vector<std::uint8_t> readAll(const std::string& path) {
    QFile f(QString::fromStdString(path));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray data = f.readAll();
    return {data.begin(), data.end()};
}

// A real game: a cut of 4 by 3 pieces scattered on the table, two of them
// joined and one group locked, with the rims collected as the cut does.
class SavedGameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::srand(77);
        const cutting::PieceCutter cutter(kPiece, kPiece, kColumns, kRows);
        game_.store = std::make_unique<sprites::SpriteStore>(kColumns * kRows, kScreen, kScreen);
        game_.store->setWorkspace(2 * kColumns * kPiece, 2 * kRows * kPiece);
        game_.store->marginX = static_cast<std::int16_t>(cutter.marginX());
        game_.store->marginY = static_cast<std::int16_t>(cutter.marginY());
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kColumns; ++c) {
                auto piece = pieceOf(cutter, &picture_, c, r);
                game_.store->collectRims(game_.lowerRightRims, true, piece.get());
                game_.store->collectRims(game_.upperLeftRims, false, piece.get());
                game_.store->add(std::move(piece));
                game_.store->setPosition(game_.store->at(game_.store->count() - 1),
                                         10 + 13 * c + 40 * r, 5 + 11 * r + 7 * c);
            }
        }
        Sprite* absorbed = game_.store->at(1);
        game_.store->join(game_.store->at(0), absorbed);
        game_.store->remove(absorbed);
        game_.store->at(3)->locked = 1;

        SavedGameHeader& h = game_.header;
        h.picturePath = "/home/player/Pictures/Lighthouse.ppx";
        h.pictureName = "Lighthouse";
        h.seed = 812345;
        h.level = 3;
        h.background = 0x00FF8000;
        h.elapsedSeconds = 4000;
        h.totalScore = 1234;
        h.assists = 2;
        h.bonusSum = 66;
        h.pictureRight = kColumns * kPiece;
        h.pictureBottom = kRows * kPiece;
        h.pieceWidth = kPiece;
        h.pieceHeight = kPiece;
        h.pieceCount = kColumns * kRows;
        h.workspaceWidth = static_cast<std::int16_t>(2 * h.pictureRight);
        h.workspaceHeight = static_cast<std::int16_t>(2 * h.pictureBottom);
        h.scrollX = 12;
        h.scrollY = 9;
        h.placement.showCmd = 1;
        h.placement.normalRight = 640;
    }

    std::string decode(const std::vector<std::uint8_t>& bytes, SavedGame& into) const {
        return SavedGame::decode(bytes, kScreen, kScreen, into);
    }

    platform::Surface picture_{kColumns * kPiece, kRows* kPiece};
    SavedGame game_;
};

std::int16_t i16At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::int16_t>(b[at] | b[at + 1] << 8);
}

std::int32_t i32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                                     static_cast<std::uint32_t>(b[at + 3]) << 24);
}

}  // namespace

TEST_F(SavedGameTest, HeaderFieldsLieAtTheirOffsets) {
    const auto b = game_.encode();
    EXPECT_EQ(std::memcmp(b.data(), "PZK", 3), 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(&b[4]), "/home/player/Pictures/Lighthouse.ppx");
    EXPECT_EQ(i16At(b, 260), kPiece);
    EXPECT_EQ(i32At(b, 264), 812345);
    EXPECT_EQ(i16At(b, 276), 3);
    EXPECT_EQ(i32At(b, 290), 0x00FF8000);
    EXPECT_EQ(i32At(b, 304), 4000);
    EXPECT_EQ(i32At(b, 308), 1234);
    EXPECT_EQ(i32At(b, 312), 2);
    EXPECT_STREQ(reinterpret_cast<const char*>(&b[316]), "Lighthouse");
    EXPECT_EQ(i16At(b, 366), kColumns * kRows - 1);  // groups, from the store
    EXPECT_EQ(i32At(b, 368), 66);
    EXPECT_EQ(i32At(b, 380), kColumns * kPiece);
    EXPECT_EQ(i32At(b, 392), 12);
    EXPECT_EQ(i16At(b, 406), kColumns * kRows);
    EXPECT_EQ(i16At(b, 410), 2 * kColumns * kPiece);
    EXPECT_EQ(i32At(b, 412), 44);
    EXPECT_EQ(i32At(b, 448), 640);
    // The body starts with the lower-right rims: the run count twice.
    EXPECT_EQ(i32At(b, 456), game_.lowerRightRims.count());
    EXPECT_EQ(i32At(b, 460), game_.lowerRightRims.count());
}

// Every header field set to its own value, and the expected 456 bytes built
// here field by field in file order: a field moved, resized or swapped in the
// writer and reader alike still fails.
TEST(SavedGameHeaderTest, AllFieldsAreWrittenAndReadInFileOrder) {
    SavedGameHeader h;
    h.picturePath = "C:/Pics/Mill.ppx";
    h.pieceWidth = 31;
    h.pieceHeight = 29;
    h.seed = 0x01020304;
    h.frameLeft = -4;
    h.frameTop = 5;
    h.frameRight = 806;
    h.frameBottom = 607;
    h.level = 5;
    h.reservedPreference = 9;
    h.smallPieceThreshold = 40000;
    h.adjustOriginal = 11;
    h.onSnap = 12;
    h.moveAside = 13;
    h.autoScroll = 14;
    h.background = 0x00A1B2C3;
    h.elapsedSeconds = 70001;
    h.totalScore = -15;
    h.assists = 16;
    h.pictureName = "Mill";
    h.groupCount = 17;
    h.bonusSum = 18;
    h.pictureRight = 620;
    h.pictureBottom = 410;
    h.scrollX = 19;
    h.scrollY = 20;
    h.zoomOutLevel = 2;
    h.zoomInLevel = 1;
    h.largestZoomOut = 3;
    h.pieceCount = 21;
    h.workspaceHeight = 900;
    h.workspaceWidth = 1300;
    h.placement = {22, 23, 24, 25, 26, 27, 28, 29, 30, 31};

    platform::ByteWriter e;
    auto text = [&](const std::string& t, std::size_t field) {
        for (std::size_t i = 0; i < field; ++i) {
            e.u8(i < t.size() ? static_cast<std::uint8_t>(t[i]) : 0);
        }
    };
    auto gap = [&](int n) { text("", static_cast<std::size_t>(n)); };
    text("PZK", 3);
    gap(1);
    text("C:/Pics/Mill.ppx", 256);
    e.i16(31);
    e.i16(29);
    e.i32(0x01020304);
    for (int v : {-4, 5, 806, 607, 5, 9}) {
        e.i16(static_cast<std::int16_t>(v));
    }
    e.u16(40000);
    for (int v : {11, 12, 13, 14}) {
        e.i16(static_cast<std::int16_t>(v));
    }
    e.i32(0x00A1B2C3);
    gap(10);
    e.i32(70001);
    e.i32(-15);
    e.i32(16);
    text("Mill", 50);
    e.i16(17);
    e.i32(18);
    for (int v : {0, 0, 620, 410}) {
        e.i32(v);
    }
    gap(4);
    e.i32(19);
    e.i32(20);
    for (int v : {2, 1, 3, 21, 900, 1300}) {
        e.i16(static_cast<std::int16_t>(v));
    }
    e.i32(44);
    for (int v = 22; v <= 31; ++v) {
        e.i32(v);
    }
    ASSERT_EQ(e.size(), 456u);

    platform::ByteWriter out;
    h.write(out);
    EXPECT_EQ(out.bytes(), e.bytes());
    SavedGameHeader back;
    platform::ByteReader in(e.bytes());
    ASSERT_TRUE(back.read(in)) << in.error();
    EXPECT_EQ(back, h);
}

TEST_F(SavedGameTest, RoundTripKeepsGroupsInOrderAndIsByteIdentical) {
    const auto bytes = game_.encode();
    SavedGame back;
    ASSERT_EQ(decode(bytes, back), "");
    EXPECT_EQ(back.encode(), bytes);
    EXPECT_EQ(back.header.picturePath, game_.header.picturePath);
    EXPECT_EQ(back.header.totalScore, 1234);
    ASSERT_EQ(back.store->count(), game_.store->count());
    for (int i = 0; i < back.store->count(); ++i) {
        EXPECT_EQ(back.store->at(i)->cells, game_.store->at(i)->cells);
        EXPECT_EQ(back.store->at(i)->x, game_.store->at(i)->x);
        EXPECT_EQ(back.store->at(i)->owner, back.store.get());
    }
    EXPECT_EQ(back.store->at(0)->cellCount(), 2);
    EXPECT_EQ(back.store->at(3)->locked, 1);
}

TEST_F(SavedGameTest, LongPictureNameIsCutAndLongPathRefused) {
    game_.header.pictureName = std::string(60, 'n');
    SavedGame back;
    ASSERT_EQ(decode(game_.encode(), back), "");
    EXPECT_EQ(back.header.pictureName, std::string(49, 'n'));
    // A multi-byte character that would straddle the limit is left out whole.
    EXPECT_EQ(SavedGameHeader::fitName(std::string(48, 'a') + "\xC3\xA9"), std::string(48, 'a'));

    game_.header.picturePath = std::string(256, 'p');
    EXPECT_NE(game_.header.problem(), nullptr);
}

TEST_F(SavedGameTest, EveryTruncationIsRefused) {
    const auto bytes = game_.encode();
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        SavedGame back;
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(n));
        ASSERT_NE(decode(cut, back), "") << "length " << n;
        EXPECT_EQ(back.store, nullptr);
    }
}

TEST_F(SavedGameTest, WrongIdentificationAndInconsistentCountsAreRefused) {
    auto bytes = game_.encode();
    SavedGame back;
    auto wrong = bytes;
    wrong[1] = 'X';
    EXPECT_EQ(decode(wrong, back), kNotAPuzzle);
    // Too short for a header, identification or not.
    EXPECT_EQ(decode({}, back), kNotAPuzzle);
    EXPECT_EQ(decode({'P', 'Z'}, back), kNotAPuzzle);
    EXPECT_EQ(decode({bytes.begin(), bytes.begin() + 455}, back), kNotAPuzzle);

    auto raise16 = [&](std::size_t at, int by) {
        auto b = bytes;
        const auto v = static_cast<std::uint16_t>(i16At(b, at) + by);
        b[at] = static_cast<std::uint8_t>(v);
        b[at + 1] = static_cast<std::uint8_t>(v >> 8);
        return b;
    };
    EXPECT_NE(decode(raise16(366, 1), back), "");      // one group more than the file holds
    EXPECT_NE(decode(raise16(366, 1000), back), "");   // more groups than pieces
    EXPECT_NE(decode(raise16(406, -11), back), "");    // fewer pieces than groups
    EXPECT_NE(decode(raise16(456, 30000), back), "");  // a region's run count
    EXPECT_NE(decode(raise16(260, -20), back), "");    // pieces below 10 pixels
    auto longer = bytes;
    longer.push_back(0);
    EXPECT_NE(decode(longer, back), "");
}

TEST_F(SavedGameTest, GroupsOutsideTheTableOrTheCutAreRefused) {
    Sprite* g = game_.store->at(2);
    g->x = 5000;
    SavedGame back;
    EXPECT_NE(decode(game_.encode(), back), "");
    g->x = 10;
    g->cells[0].column = kColumns;
    EXPECT_NE(decode(game_.encode(), back), "");
    g->cells[0].column = 0;
    g->sourceY = -200;
    EXPECT_NE(decode(game_.encode(), back), "");
}

TEST_F(SavedGameTest, RandomByteFlipsNeverCrash) {
    const auto bytes = game_.encode();
    std::srand(4242);
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        auto b = bytes;
        for (int k = 0; k < 1 + round % 4; ++k) {
            b[static_cast<std::size_t>(std::rand()) % b.size()] ^=
                static_cast<std::uint8_t>(1 + std::rand() % 255);
        }
        SavedGame back;
        if (decode(b, back).empty()) {
            ++accepted;
            ASSERT_NE(back.store, nullptr);
            EXPECT_EQ(back.encode().size(), bytes.size());
        }
    }
    // Flips in unused bytes, texts and free values are read as they are.
    EXPECT_GT(accepted, 0);
}

TEST_F(SavedGameTest, SaveReplacesTheFileAndLoadReadsItBack) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("Lighthouse.JIG").toStdString();
    ASSERT_EQ(SavedGameIo::save(path, game_), "");
    const auto first = readAll(path);
    game_.header.totalScore = 99;
    ASSERT_EQ(SavedGameIo::save(path, game_), "");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left
    auto loaded = SavedGameIo::load(path, kScreen, kScreen);
    ASSERT_TRUE(loaded.ok()) << loaded.message;
    EXPECT_EQ(loaded.game->header.totalScore, 99);
    EXPECT_EQ(loaded.game->encode(), readAll(path));
    EXPECT_EQ(first.size(), readAll(path).size());
}

TEST_F(SavedGameTest, FailedSavesKeepThePreviousFile) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("game.jig").toStdString();
    ASSERT_EQ(SavedGameIo::save(path, game_), "");
    const auto before = readAll(path);

    // A header no game can hold is refused before the file is touched.
    SavedGame broken;
    broken.header = game_.header;
    broken.header.level = 9;
    EXPECT_NE(SavedGameIo::save(path, broken), "");
    EXPECT_EQ(readAll(path), before);

    // A directory that is really a file, and one that does not exist.
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_NE(SavedGameIo::save(dir.filePath("blocked/game.jig").toStdString(), game_), "");
    EXPECT_NE(SavedGameIo::save(dir.filePath("missing/game.jig").toStdString(), game_), "");
    EXPECT_EQ(readAll(path), before);
}

TEST_F(SavedGameTest, LoadReportsMissingDamagedAndForeignFiles) {
    QTemporaryDir dir;
    EXPECT_FALSE(SavedGameIo::load(dir.filePath("none.jig").toStdString(), kScreen, kScreen).ok());

    const std::string foreign = dir.filePath("foreign.jig").toStdString();
    QFile f(QString::fromStdString(foreign));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("GIF89a and more");
    f.close();
    const auto notPuzzle = SavedGameIo::load(foreign, kScreen, kScreen);
    EXPECT_TRUE(notPuzzle.notAPuzzle);
    EXPECT_EQ(notPuzzle.message, "This is not a puzzle file!");
    const std::string empty = dir.filePath("empty.jig").toStdString();
    QFile e(QString::fromStdString(empty));
    ASSERT_TRUE(e.open(QIODevice::WriteOnly));
    e.close();
    EXPECT_TRUE(SavedGameIo::load(empty, kScreen, kScreen).notAPuzzle);

    const std::string damaged = dir.filePath("damaged.jig").toStdString();
    auto bytes = game_.encode();
    bytes.resize(bytes.size() - 5);
    QFile d(QString::fromStdString(damaged));
    ASSERT_TRUE(d.open(QIODevice::WriteOnly));
    d.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    d.close();
    const auto result = SavedGameIo::load(damaged, kScreen, kScreen);
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.notAPuzzle);
    EXPECT_NE(result.message.find("damaged"), std::string::npos);
}

// Saves killed at random moments (SIGKILL, 200 times) leave the old game or
// the new one, whole, and no file but the game in the player's folder.
TEST_F(SavedGameTest, KilledSavesLeaveTheOldOrTheNewGame) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("game.jig").toStdString();
    SavedGame other;
    ASSERT_EQ(decode(game_.encode(), other), "");
    other.header.totalScore = 4321;
    const std::vector<std::uint8_t> games[2] = {game_.encode(), other.encode()};
    ASSERT_EQ(SavedGameIo::save(path, game_), "");
    std::mt19937 random(2024);
    for (int round = 0; round < 200; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                SavedGameIo::save(path, i % 2 == 0 ? other : game_);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const auto now = readAll(path);
        ASSERT_TRUE(now == games[0] || now == games[1]) << "round " << round;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"game.jig"});
}

TEST_F(SavedGameTest, PipesAreRefusedWithoutOpening) {
    QTemporaryDir dir;
    const std::string pipe = dir.filePath("pipe.jig").toStdString();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // Opening a pipe without a writer would block the test for good.
    const auto result = SavedGameIo::load(pipe, kScreen, kScreen);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.message.find("Cannot open"), std::string::npos);
}

#if !defined(__SANITIZE_ADDRESS__)
namespace {

// Loads the saved game and the picture with 12 MiB of address space beyond
// what the process holds; true when both are refused, the game with a
// message.
bool refusedWithin12MiB(const std::string& game, const std::string& picture) {
    long held = 0;
    std::ifstream("/proc/self/statm") >> held;
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(held) * 4096 + (12u << 20);
    setrlimit(RLIMIT_AS, &limit);
    const auto loaded = SavedGameIo::load(game, kScreen, kScreen);
    return !loaded.ok() && loaded.message.find("not enough memory") != std::string::npos &&
           GetImageHandle(picture.c_str()) == 0;
}

}  // namespace

// With little address space left (as on a loaded machine), a hostile saved
// game of a million rim runs and a picture of 8000 x 8000 pixels in a tiny
// file are refused with a message, and the process goes on.
TEST_F(SavedGameTest, HostileFilesUnderAMemoryLimitAreRefused) {
    QTemporaryDir dir;
    const std::string game = dir.filePath("hostile.jig").toStdString();
    constexpr std::int32_t kRuns = 1'000'000;
    std::vector<std::uint8_t> bytes = game_.encode();
    bytes.resize(456);  // the header
    for (std::int32_t v : {kRuns, kRuns}) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<std::uint8_t>(v >> shift));
        }
    }
    bytes.resize(bytes.size() + 8 + 8 * (kRuns + 4));
    QFile f(QString::fromStdString(game));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    f.close();
    // An RLE8 bitmap that ends at once: 64 MiB of pixels from 1 KiB.
    const std::string picture = dir.filePath("huge.bmp").toStdString();
    std::vector<std::uint8_t> bmp = {'B', 'M'};
    bmp.resize(14 + 40 + 1024 + 2);
    const auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bmp[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
        }
    };
    put32(10, 14 + 40 + 1024);
    for (auto [at, v] : {std::pair{14, 40}, {18, 8000}, {22, 8000}, {26, 1 | 8 << 16}, {30, 1}}) {
        put32(static_cast<std::size_t>(at), static_cast<std::uint32_t>(v));
    }
    bmp[bmp.size() - 1] = 1;  // end of bitmap
    QFile p(QString::fromStdString(picture));
    ASSERT_TRUE(p.open(QIODevice::WriteOnly));
    p.write(reinterpret_cast<const char*>(bmp.data()), static_cast<qint64>(bmp.size()));
    p.close();
    // A fresh process: heap space freed by earlier tests would otherwise
    // serve the loader's allocations without new address space.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(refusedWithin12MiB(game, picture) ? 0 : 1), ::testing::ExitedWithCode(0),
                "");
}
#endif

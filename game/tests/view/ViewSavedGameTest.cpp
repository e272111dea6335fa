#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "ViewTestSupport.h"
#include "app/CJigsawApp.h"
#include "app/CJigsawDoc.h"
#include "commands/CommandIds.h"
#include "controls/ProgressIndicator.h"
#include "dialogs/CSavingDlg.h"
#include "model/CClockHold.h"
#include "model/SnapTest.h"
#include "platform/ByteReader.h"
#include "platform/MessageBox.h"
#include "savegame/SavedGame.h"
#include "savegame/SavedGameDialog.h"
#include "savegame/SavedGameHeader.h"
#include "savegame/SavedGameProgress.h"
#include "scores/CResultDlg.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"
#include "sprites/SpriteStore.h"
#include "view/CJigsawView.h"
#include "view/ViewInteraction.h"

namespace {

std::string outputPath(const char* name) {
    std::filesystem::create_directories(TESSELLA_TEST_OUTPUT);
    return std::string(TESSELLA_TEST_OUTPUT) + "/" + name;
}

// A 120 x 120 picture file: four 60-pixel pieces.
std::string writePicture() {
    QImage image(120, 120, QImage::Format_RGB32);
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 120; ++x) {
            image.setPixel(x, y, qRgb(x * 2, y * 2, (x + y) % 256));
        }
    }
    const std::string path = outputPath("saved_game_picture.png");
    image.save(QString::fromStdString(path));
    return path;
}

using viewtest::grabPoint;
using viewtest::withCell;

// What identifies a group on the table: its cells, place and lock.
struct GroupRecord {
    std::vector<std::pair<int, int>> cells;
    int x;
    int y;
    int locked;
    bool operator==(const GroupRecord&) const = default;
};

QByteArray readAll(const std::string& path) {
    QFile in(QString::fromStdString(path));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void writeAll(const std::string& path, const QByteArray& bytes) {
    QFile out(QString::fromStdString(path));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
}

QImage imageOf(const platform::Surface& surface) {
    return QImage(reinterpret_cast<const uchar*>(surface.bits()), surface.width(), surface.height(),
                  surface.bytesPerLine(), QImage::Format_RGB32)
        .copy();
}

// Answers every modal dialog that opens while it lives, noting their titles:
// with answer when given, else with Cancel ("Saving?" through its button).
class DialogCanceller {
  public:
    explicit DialogCanceller(std::function<void(QWidget*)> answer = {}) : answer_(answer) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal == last_) {
                return;
            }
            last_ = modal;
            titles.push_back(modal->windowTitle());
            if (answer_) {
                answer_(modal);
            } else if (auto* saving = qobject_cast<dialogs::CSavingDlg*>(modal)) {
                saving->onCommand(IDCANCEL);
            } else {
                QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
            }
        });
        timer_.start();
    }
    std::vector<QString> titles;

  private:
    std::function<void(QWidget*)> answer_;
    QTimer timer_;
    QPointer<QWidget> last_;
};

std::vector<GroupRecord> groupsOf(const sprites::SpriteStore& store) {
    std::vector<GroupRecord> out;
    for (int i = 0; i < store.count(); ++i) {
        const sprites::Sprite* s = store.at(i);
        GroupRecord r{{}, s->x, s->y, s->locked};
        for (const auto& c : s->cells) {
            r.cells.emplace_back(c.column, c.row);
        }
        out.push_back(std::move(r));
    }
    return out;
}

class ViewSavedGameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApp();
        app_ = std::make_unique<CJigsawApp>(argc_, argv_);
        app_->prefs.adjustOriginal = 0;
        WriteIniInt(60, keys::kOn, keys::kOff, keys::kPieceSize);
        WriteIniInt(0, keys::kOn, keys::kOff, keys::kThrowPiecesOnTable);
        WriteIniInt(1, keys::kOn, keys::kOff, keys::kThrowPiecesOnVisibleArea);
        platform::setMessageBoxInterceptor([this](const platform::MessageBoxRecord& r) {
            boxes_.push_back(r.text);
            return IDOK;
        });
        CJigsawView::endOfGameHooks().showResults = [this](CResultDlg& dlg) {
            ++results_;
            dlg.accept();
        };
        view_ = makeView();
        view_->loadPictureFile(QString::fromStdString(writePicture()));
        view_->startGame(9);
    }
    void TearDown() override {
        CJigsawView::endOfGameHooks() = {};
        SavedGameProgress::observer() = {};
        CClockHold::SetTimeSource({});
        platform::setMessageBoxInterceptor({});
    }

    std::unique_ptr<CJigsawView> makeView(QSize size = {600, 450}) {
        auto view = std::make_unique<CJigsawView>(nullptr);
        view->resize(size);
        view->show();
        return view;
    }

    // Drags s so that its upper-left cell box lands at table position (x, y).
    void drag(CJigsawView& view, sprites::Sprite* s, int x, int y) {
        sprites::SpriteStore& store = *view.session().store();
        const QPoint from = grabPoint(store, s);
        const QPoint to = from + QPoint(x - s->x, y - s->y);
        QWidget* port = view.viewport();
        QTest::mousePress(port, Qt::LeftButton, {}, from);
        QTest::mouseMove(port, (from + to) / 2);
        QTest::mouseMove(port, to);
        QTest::mouseRelease(port, Qt::LeftButton, {}, to);
    }

    void placeHome(CJigsawView& view, int column, int row) {
        sprites::Sprite* s = withCell(*view.session().store(), column, row);
        ASSERT_NE(s, nullptr);
        const CellOrigin home = CellOrigin::Of(*s);
        drag(view, s, 40 + 60 * home.column, 40 + 60 * home.row);
    }

    TempSettings settings_;
    int argc_ = 1;
    char name_[12] = "game_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<CJigsawApp> app_;
    std::unique_ptr<CJigsawView> view_;
    std::vector<std::string> boxes_;
    int results_ = 0;
};

TEST_F(ViewSavedGameTest, ARestoredGameHasTheSavedGroupsScoreAndTitle) {
    ASSERT_NE(view_->session().puzzle(), nullptr);
    ASSERT_EQ(view_->session().puzzle()->pieceCount, 4);
    placeHome(*view_, 0, 0);
    placeHome(*view_, 1, 0);
    sprites::SpriteStore& store = *view_->session().store();
    ASSERT_EQ(store.count(), 3);
    withCell(store, 0, 0)->locked = 1;  // the joined pair stays where it is
    view_->session().score.CountAssist();
    const std::vector<GroupRecord> before = groupsOf(store);
    const int total = view_->session().score.total();
    const int bonus = view_->session().score.bonusSum();
    const std::string path = outputPath("partly_played.jig");
    ASSERT_EQ(view_->saveGameTo(path), "");
    EXPECT_EQ(view_->savedGamePath(), "");  // never restored: Save asks again
    EXPECT_FALSE(view_->state().modified);

    std::unique_ptr<CJigsawView> fresh = makeView();
    ASSERT_TRUE(fresh->restoreGameFrom(path)) << (boxes_.empty() ? "" : boxes_.back());
    ASSERT_NE(fresh->session().puzzle(), nullptr);
    EXPECT_EQ(groupsOf(*fresh->session().store()), before);
    EXPECT_EQ(fresh->session().puzzle()->pieceCount, 4);
    EXPECT_EQ(fresh->session().score.total(), total);
    EXPECT_EQ(fresh->session().score.bonusSum(), bonus);
    EXPECT_EQ(fresh->session().score.assists(), 1);
    EXPECT_EQ(fresh->savedGamePath(), path);
    // The file's name without directory and extension, not its description.
    EXPECT_EQ(fresh->windowTitle(), "Tessella - saved_game_picture");
    EXPECT_TRUE(boxes_.empty());

    // The restored game goes on: finishing it runs the results once.
    placeHome(*fresh, 0, 1);
    if (fresh->session().puzzle() != nullptr) {
        placeHome(*fresh, 1, 1);
    }
    EXPECT_EQ(fresh->session().puzzle(), nullptr);
    EXPECT_EQ(results_, 1);
}

TEST_F(ViewSavedGameTest, NoGroupWasHandledLastOnceTheTableIsReplaced) {
    const auto handle = [this] {
        sprites::SpriteStore& store = *view_->session().store();
        QTest::mouseClick(view_->viewport(), Qt::LeftButton, {},
                          grabPoint(store, withCell(store, 0, 0)));
        ASSERT_NE(view_->interaction().LastGroup(), nullptr);
    };
    const std::string path = outputPath("last_group.jig");
    ASSERT_EQ(view_->saveGameTo(path), "");
    handle();
    ASSERT_TRUE(view_->restoreGameFrom(path));
    EXPECT_EQ(view_->interaction().LastGroup(), nullptr) << "after a restore";
    handle();
    view_->loadPictureFile(QString::fromStdString(writePicture()));  // clears the puzzle
    ASSERT_EQ(view_->session().puzzle(), nullptr);
    EXPECT_EQ(view_->interaction().LastGroup(), nullptr) << "after clearing";
}

TEST_F(ViewSavedGameTest, ARefusedFileKeepsTheCurrentGame) {
    const std::string good = outputPath("to_cut.jig");
    ASSERT_EQ(view_->saveGameTo(good), "");
    QFile in(QString::fromStdString(good));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();

    const std::string wrong = outputPath("not_a_game.jig");
    QByteArray renamed = bytes;
    renamed[0] = 'X';
    {
        QFile out(QString::fromStdString(wrong));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(renamed);
    }
    const std::string cut = outputPath("cut_short.jig");
    {
        QFile out(QString::fromStdString(cut));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes.left(bytes.size() - 7));
    }
    Puzzle* current = view_->session().puzzle();
    const std::vector<GroupRecord> before = groupsOf(*current->store);
    const int beeps = platform::beepCount();

    EXPECT_FALSE(view_->restoreGameFrom(wrong));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0], kNotAPuzzle);
    EXPECT_FALSE(view_->restoreGameFrom(cut));
    EXPECT_EQ(boxes_.size(), 2u);
    EXPECT_GE(platform::beepCount(), beeps + 2);
    EXPECT_EQ(view_->session().puzzle(), current);
    EXPECT_EQ(groupsOf(*current->store), before);
}

TEST_F(ViewSavedGameTest, AMovedPictureEndsTheRestoreAndKeepsTheGame) {
    const std::string path = outputPath("moved_picture.jig");
    ASSERT_EQ(view_->saveGameTo(path), "");
    std::filesystem::remove(writePicture());
    Puzzle* current = view_->session().puzzle();
    EXPECT_FALSE(view_->restoreGameFrom(path));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_NE(boxes_[0].find("is not a correct ppx- file!"), std::string::npos) << boxes_[0];
    EXPECT_EQ(view_->session().puzzle(), current);
}

// A named file is found whatever the letter case of its name.
TEST_F(ViewSavedGameTest, ANamedFileIsFoundWithoutRegardToCase) {
    const std::string path = outputPath("lettercase.jig");
    ASSERT_EQ(view_->saveGameTo(path), "");
    std::unique_ptr<CJigsawView> fresh = makeView();
    fresh->restoreGameFile(QString::fromStdString(outputPath("LetterCase.JIG")));
    ASSERT_NE(fresh->session().puzzle(), nullptr) << (boxes_.empty() ? "" : boxes_.back());
    EXPECT_EQ(fresh->savedGamePath(), path);
}

// A small window on a zoomed-out table: the restore comes back at the same
// zoom step and scroll position, and draws the same table.
TEST_F(ViewSavedGameTest, ZoomAndScrollPositionComeBack) {
    const QSize small(110, 100);
    std::unique_ptr<CJigsawView> played = makeView(small);
    played->loadPictureFile(QString::fromStdString(writePicture()));
    played->startGame(5);
    ASSERT_GE(played->session().puzzle()->largestZoomOut, 2);
    played->onCommand(cmd::kZoomOut);
    played->onCommand(cmd::kZoomOut);
    ASSERT_EQ(played->state().zoomOutLevel, 2);
    played->horizontalScrollBar()->setValue(played->horizontalScrollBar()->maximum());
    played->verticalScrollBar()->setValue(played->verticalScrollBar()->maximum() / 2);
    const sprites::SpriteStore& store = *played->session().store();
    ASSERT_GT(store.scrollX(), 0);
    ASSERT_GT(store.scrollY(), 0);
    const std::string path = outputPath("zoomed_out.jig");
    ASSERT_EQ(played->saveGameTo(path), "");

    std::unique_ptr<CJigsawView> fresh = makeView(small);
    fresh->onCommand(cmd::kZoomIn);  // no puzzle yet: nothing to zoom
    ASSERT_TRUE(fresh->restoreGameFrom(path)) << (boxes_.empty() ? "" : boxes_.back());
    EXPECT_EQ(fresh->state().zoomOutLevel, 2);
    EXPECT_EQ(fresh->state().zoomInLevel, 0);
    const sprites::SpriteStore& back = *fresh->session().store();
    EXPECT_EQ(back.scrollX(), store.scrollX());
    EXPECT_EQ(back.scrollY(), store.scrollY());
    EXPECT_EQ(groupsOf(back), groupsOf(store));
    EXPECT_EQ(imageOf(fresh->windowSurface()), imageOf(played->windowSurface()));
    // The zoom commands go on from the restored step.
    fresh->onCommand(cmd::kNormalSize);
    EXPECT_EQ(fresh->state().zoomOutLevel, 0);
}

// Restoring over a zoomed, paused game starts from normal size before the
// saved step is applied, and the restored game runs.
TEST_F(ViewSavedGameTest, RestoringOverAZoomedGameUsesTheSavedStep) {
    const std::string path = outputPath("normal_size.jig");
    ASSERT_EQ(view_->saveGameTo(path), "");
    view_->onCommand(cmd::kZoomIn);
    ASSERT_EQ(view_->state().zoomInLevel, 1);
    view_->onCommand(cmd::kPause);
    ASSERT_TRUE(view_->state().paused);
    ASSERT_TRUE(view_->restoreGameFrom(path));
    EXPECT_FALSE(view_->state().paused);
    EXPECT_FALSE(view_->session().clock.Paused());
    EXPECT_EQ(view_->state().zoomInLevel, 0);
    EXPECT_EQ(view_->state().zoomOutLevel, 0);
    view_->onCommand(cmd::kZoomIn);
    EXPECT_EQ(view_->state().zoomInLevel, 1);
}

TEST_F(ViewSavedGameTest, TheClockGoesOnFromTheSavedPlayTime) {
    std::time_t now = 1'000'000;
    CClockHold::SetTimeSource([&now] { return now; });
    view_->session().clock.Start();
    now += 100;
    const std::string path = outputPath("timed.jig");
    ASSERT_EQ(view_->saveGameTo(path), "");
    now += 5000;  // the player is away; this is no play time
    std::unique_ptr<CJigsawView> fresh = makeView();
    ASSERT_TRUE(fresh->restoreGameFrom(path));
    EXPECT_EQ(fresh->session().clock.Elapsed(), 100);
    now += 7;
    EXPECT_EQ(fresh->session().clock.Elapsed(), 107);
}

// The saved preferences and colour rule the rest of the run, but the
// settings file only learns the level.
TEST_F(ViewSavedGameTest, SavedPreferencesHoldForTheRunWithoutBeingWritten) {
    app_->prefs.smallPieceLimit = 6;
    app_->prefs.moveAside = 1;
    app_->prefs.autoScroll = 0;
    app_->prefs.onTopOnSnap = 0;
    view_->onCommand(cmd::kExpert);
    const std::string path = outputPath("preferences.jig");
    ASSERT_EQ(view_->saveGameTo(path), "");
    SavedGameHeader header;
    {
        const QByteArray bytes = readAll(path);
        std::vector<std::uint8_t> raw(bytes.begin(), bytes.end());
        platform::ByteReader in(raw);
        ASSERT_TRUE(header.read(in));
    }
    EXPECT_EQ(header.level, 5);

    app_->prefs.smallPieceLimit = 3;
    app_->prefs.moveAside = 0;
    app_->prefs.autoScroll = 1;
    app_->prefs.onTopOnSnap = 1;
    view_->onCommand(cmd::kBeginner);
    const std::string settingsBefore = GetIniString(keys::kSettings, "", keys::kJigsaw);
    const std::string colourBefore = GetIniString(keys::kBackground, "", keys::kOptions);
    ASSERT_TRUE(view_->restoreGameFrom(path));
    EXPECT_EQ(app_->prefs.smallPieceLimit, 6);
    EXPECT_EQ(app_->prefs.moveAside, 1);
    EXPECT_EQ(app_->prefs.autoScroll, 0);
    EXPECT_EQ(app_->prefs.onTopOnSnap, 0);
    EXPECT_EQ(static_cast<std::int32_t>(app_->background), header.background);
    EXPECT_EQ(view_->state().level, 5);
    EXPECT_EQ(GetIniInt(0, keys::kLevel), 5);
    EXPECT_EQ(GetIniString(keys::kSettings, "", keys::kJigsaw), settingsBefore);
    EXPECT_EQ(GetIniString(keys::kBackground, "", keys::kOptions), colourBefore);
}

// Every prefix of a real saved game is refused before anything of the
// running game changes.
TEST_F(ViewSavedGameTest, EveryTruncationOfARealGameIsRefusedAndTheGameKept) {
    placeHome(*view_, 0, 0);
    placeHome(*view_, 1, 0);
    const std::string good = outputPath("to_truncate.jig");
    ASSERT_EQ(view_->saveGameTo(good), "");
    const QByteArray bytes = readAll(good);
    ASSERT_GT(bytes.size(), SavedGameHeader::kSize);
    Puzzle* current = view_->session().puzzle();
    const std::vector<GroupRecord> before = groupsOf(*current->store);
    const QString title = view_->window()->windowTitle();
    const std::vector<std::uint8_t> raw(bytes.begin(), bytes.end());
    for (std::size_t n = 0; n < raw.size(); ++n) {
        SavedGame game;
        ASSERT_NE(SavedGame::decode(std::span(raw.data(), n), 64, 64, game), "") << "length " << n;
    }
    // Through the restore itself: inside the header, at its end, inside the
    // rims and groups, one byte short.
    const int size = static_cast<int>(bytes.size());
    const std::string cut = outputPath("truncated.jig");
    for (int n : {0, 3, 200, SavedGameHeader::kSize - 1, SavedGameHeader::kSize,
                  SavedGameHeader::kSize + 5, size / 2, size - 1}) {
        writeAll(cut, bytes.left(n));
        boxes_.clear();
        ASSERT_FALSE(view_->restoreGameFrom(cut)) << "length " << n;
        ASSERT_EQ(boxes_.size(), 1u) << "length " << n;
    }
    EXPECT_EQ(view_->session().puzzle(), current);
    EXPECT_EQ(groupsOf(*current->store), before);
    EXPECT_EQ(view_->window()->windowTitle(), title);
    EXPECT_EQ(view_->savedGamePath(), "");
}

TEST_F(ViewSavedGameTest, SavingAndRestoringShowTheirProgress) {
    std::vector<std::pair<QString, long>> shown;
    std::vector<long> reported;
    SavedGameProgress::observer().shown = [&](const QString& label, long end) {
        shown.emplace_back(label, end);
    };
    SavedGameProgress::observer().reported = [&](long value) { reported.push_back(value); };
    const std::string path = outputPath("progress.jig");
    ASSERT_EQ(view_->saveGameTo(path), "");
    ASSERT_TRUE(view_->restoreGameFrom(path));  // Save now writes there at once
    shown.clear();
    reported.clear();
    view_->onCommand(cmd::kSave);
    ASSERT_EQ(shown, (std::vector<std::pair<QString, long>>{{"Saving", 200}}));
    // Group numbers 1 to 4, then the end.
    EXPECT_EQ(reported, (std::vector<long>{1, 2, 3, 4, 200}));

    shown.clear();
    reported.clear();
    ASSERT_TRUE(view_->restoreGameFrom(path));
    EXPECT_EQ(shown,
              (std::vector<std::pair<QString, long>>{{"Loading", 300}, {"Reconstruct Game", 100}}));
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.back(), 300);
    EXPECT_EQ(view_->viewport()->findChildren<controls::ProgressIndicator*>().size(), 0);
}

// A named file that is missing: a beep, then the open dialog.
TEST_F(ViewSavedGameTest, AMissingNamedFileBeepsAndOffersTheOpenDialog) {
    Puzzle* current = view_->session().puzzle();
    const int beeps = platform::beepCount();
    DialogCanceller canceller;
    view_->restoreGameFile(QString::fromStdString(outputPath("no_such_game.jig")));
    EXPECT_EQ(canceller.titles, std::vector<QString>{"Restore Game"});
    EXPECT_EQ(platform::beepCount(), beeps + 1);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(view_->session().puzzle(), current);
}

// Cancelling a restore at the "Saving?" question costs no play time twice.
TEST_F(ViewSavedGameTest, CancelledQuestionsMoveTheClockOnce) {
    std::time_t now = 2'000'000;
    CClockHold::SetTimeSource([&now] { return now; });
    view_->session().clock.Start();
    now += 50;
    placeHome(*view_, 0, 0);
    placeHome(*view_, 1, 0);  // an unsaved join
    DialogCanceller canceller([&now](QWidget* modal) {
        now += 30;  // the question stays open for 30 seconds
        if (auto* saving = qobject_cast<dialogs::CSavingDlg*>(modal)) {
            saving->onCommand(IDCANCEL);
        }
    });
    view_->onCommand(cmd::kRestore);
    EXPECT_EQ(canceller.titles, std::vector<QString>{"Saving?"});
    EXPECT_EQ(view_->session().clock.Elapsed(), 50);
}

TEST_F(ViewSavedGameTest, OpeningADocumentRestoresItsGame) {
    CJigsawDoc doc;
    std::unique_ptr<CJigsawView> fresh = std::make_unique<CJigsawView>(&doc);
    fresh->resize(600, 450);
    const std::string path = outputPath("document.jig");
    ASSERT_EQ(view_->saveGameTo(path), "");

    EXPECT_FALSE(doc.OnOpenDocument(QString::fromStdString(outputPath("missing.jig"))));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0], CJigsawDoc::kCannotOpen);
    EXPECT_EQ(fresh->session().puzzle(), nullptr);

    EXPECT_TRUE(doc.OnOpenDocument(QString::fromStdString(path)));
    ASSERT_NE(fresh->session().puzzle(), nullptr);
    EXPECT_EQ(fresh->savedGamePath(), path);
    EXPECT_FALSE(fresh->state().modified);
}

// The document's save writes through the Save command; a name that cannot
// be written is refused, and a file tried but not written is not left behind.
TEST_F(ViewSavedGameTest, SavingADocumentUsesTheSaveCommand) {
    CJigsawDoc doc;
    std::unique_ptr<CJigsawView> fresh = std::make_unique<CJigsawView>(&doc);
    fresh->resize(600, 450);
    const std::string path = outputPath("document_save.jig");
    ASSERT_EQ(view_->saveGameTo(path), "");
    ASSERT_TRUE(doc.OnOpenDocument(QString::fromStdString(path)));
    placeHome(*fresh, 0, 0);
    const QByteArray before = readAll(path);

    EXPECT_FALSE(doc.OnSaveDocument(QString::fromStdString(outputPath("no/such/dir/x.jig"))));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0], CJigsawDoc::kInvalidName);

    // A restored game goes back into its own file without a dialog.
    const std::string other = outputPath("document_other.jig");
    std::filesystem::remove(other);
    EXPECT_TRUE(doc.OnSaveDocument(QString::fromStdString(other)));
    EXPECT_FALSE(std::filesystem::exists(other));
    EXPECT_NE(readAll(path), before);
    EXPECT_FALSE(fresh->state().modified);
}

// Saving a paused game: the save runs with the clock held and the game is
// paused again afterwards; the file holds the play time before the pause.
TEST_F(ViewSavedGameTest, APausedGameIsSavedWithItsPlayTimeAndStaysPaused) {
    const std::string path = outputPath("paused.jig");
    ASSERT_EQ(view_->saveGameTo(path), "");
    ASSERT_TRUE(view_->restoreGameFrom(path));  // Save now writes there at once
    std::time_t now = 3'000'000;
    CClockHold::SetTimeSource([&now] { return now; });
    view_->session().clock.Start();
    now += 40;
    view_->onCommand(cmd::kPause);
    ASSERT_TRUE(view_->session().clock.Paused());
    now += 100;
    view_->onCommand(cmd::kSave);
    EXPECT_TRUE(view_->session().clock.Paused());
    EXPECT_TRUE(view_->state().paused);
    view_->onCommand(cmd::kPause);
    EXPECT_EQ(view_->session().clock.Elapsed(), 40);
    std::unique_ptr<CJigsawView> fresh = makeView();
    ASSERT_TRUE(fresh->restoreGameFrom(path));
    EXPECT_EQ(fresh->session().clock.Elapsed(), 40);
    EXPECT_FALSE(fresh->session().clock.Paused());
}

// Save As forgets the restored file and asks with an empty name; Save of a
// restored game writes into its file without asking.
TEST_F(ViewSavedGameTest, SaveAsForgetsTheRestoredFile) {
    const std::string path = outputPath("save_as.jig");
    ASSERT_EQ(view_->saveGameTo(path), "");
    ASSERT_TRUE(view_->restoreGameFrom(path));
    {
        DialogCanceller canceller;
        view_->onCommand(cmd::kSave);
        EXPECT_TRUE(canceller.titles.empty());
    }
    QString offered = "unset";
    DialogCanceller answers([&offered](QWidget* modal) {
        if (auto* dialog = qobject_cast<SavedGameDialog*>(modal)) {
            offered = dialog->selectedFiles().value(0);
        }
        QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
    });
    view_->onCommand(cmd::kSaveAs);
    EXPECT_TRUE(offered.isEmpty() || QFileInfo(offered).isDir()) << offered.toStdString();
    EXPECT_EQ(view_->savedGamePath(), "");
}

}  // namespace

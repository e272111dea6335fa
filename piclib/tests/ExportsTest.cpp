#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <functional>

#include "PIXPICK32.h"
#include "PiclibTestSupport.h"
#include "PictureFileWriter.h"
#include "imagelib.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"

namespace {

int pictureHandle(int width, int height) {
    const auto dib = pictest::solidDib(width, height, 0x336699);
    return IMGCreateFromDib(dib.data(), static_cast<std::uint32_t>(dib.size())) + 1;
}

// Answers the next file dialog: selects names (quoted, separated by blanks
// for several) and accepts, or cancels when names is empty; inside runs
// while the dialog is open.
void answerDialog(const QString& names, std::function<void()> inside = {}) {
    pictest::whenModal([names, inside](QDialog* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        if (inside) {
            inside();
        }
        if (names.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(names);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept checks the names
    });
}

// Receives the reduction's notifications; deletes the picture on the
// deleteOn-th progress message (0: never).
class Listener : public QWidget {
  public:
    int handle = 0;
    int deleteOn = 0;
    int progressMessages = 0;
    int finalMessages = 0;
    std::intptr_t finalHandle = 0;

  protected:
    bool event(QEvent* e) override {
        if (e->type() != PicNotifyEvent::eventType()) {
            return QWidget::event(e);
        }
        auto* n = static_cast<PicNotifyEvent*>(e);
        EXPECT_EQ(n->message, 0x0401u);
        if (n->wParam == 0xFFFF) {
            ++finalMessages;
            finalHandle = n->lParam;
        } else if (++progressMessages == deleteOn) {
            DeletePicture(handle);
        }
        return true;
    }
};

class Exports : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        pictest::application();
        configDir() = pictest::useConfigDirectory(pictest::scratchFolder("config"));
        // The language letter is read once, on first use, from here.
        WritePrivateProfileStringA("Registration", "Language", "German",
                                   (configDir() + "QUIET.INI").c_str());
    }
    static std::string& configDir() {
        static std::string dir;
        return dir;
    }
};

}  // namespace

TEST_F(Exports, CalculateSizeInAspectShrinksAndEnlarges) {
    const int wide = pictureHandle(800, 600);
    int w = 400, h = 400;
    CalculateSizeInAspect(wide, &w, &h);
    EXPECT_EQ(w, 400);
    EXPECT_EQ(h, 300);
    const int small = pictureHandle(100, 50);
    w = 400, h = 400;
    CalculateSizeInAspect(small, &w, &h);
    EXPECT_EQ(w, 400);
    EXPECT_EQ(h, 204);  // the reported height counts one row more
    const int tall = pictureHandle(300, 900);
    w = 400, h = 400;
    CalculateSizeInAspect(tall, &w, &h);
    EXPECT_EQ(w, 133);
    EXPECT_EQ(h, 400);
    w = 5, h = 5;
    CalculateSizeInAspect(0, &w, &h);
    EXPECT_EQ(w, 5);
    EXPECT_EQ(ResizePicture(tall, 133, 400), 1);
    EXPECT_EQ(ResizePicture(tall, 0, 400), 0);
    EXPECT_EQ(QueryPictureDimensions(tall, &w, &h), 1);
    EXPECT_EQ(w, 133);
    for (const int handle : {wide, small, tall}) {
        EXPECT_EQ(DeletePicture(handle), 1);
    }
    EXPECT_EQ(DeletePicture(0), 0);
}

TEST_F(Exports, CnvrtFileName2RelativeDirKeepsAnotherDriveAndUpperCases) {
    // The configuration directory has no drive here, so every drive is
    // another one.
    char other[] = "d:\\Pics\\rose.ppx";
    CnvrtFileName2RelativeDir(other);
    EXPECT_STREQ(other, "D:\\PICS\\ROSE.PPX");
    char plain[] = "/tmp/Rose.ppx";
    CnvrtFileName2RelativeDir(plain);
    EXPECT_STREQ(plain, "/TMP/ROSE.PPX");
}

TEST_F(Exports, HelpFileAndDescriptionOfRelativePicturePaths) {
    piclib::PictureFileWriter writer;
    writer.fields.helpFile = "INFO.HLP";
    writer.fields.shortEnglish = "A rather long description";
    writer.fields.shortGerman = "Eine lange Beschreibung";
    writer.emblem = pictest::encoded(pictest::filled(4, 4, qRgb(1, 1, 1)), "png");
    writer.picture = writer.emblem;
    ASSERT_TRUE(writer.write(configDir() + "REL.PPX"));
    char path[300] = {};
    EXPECT_EQ(QueryInformationFile("REL.PPX", path, sizeof path), 0);
    EXPECT_EQ(PictureHelpAvailable("REL.PPX"), 0);
    pictest::writeFile(configDir() + "INFO.HLP", {'<', 'p', '>'});
    ASSERT_EQ(QueryInformationFile("REL.PPX", path, sizeof path), 1);
    EXPECT_EQ(std::string(path), configDir() + "INFO.HLP");
    char cut[7];
    QueryShortDescript("REL.PPX", cut, sizeof cut);
    EXPECT_STREQ(cut, "Eine l");
    // Without picture information only English has a description (the name).
    QueryShortDescript("MISSING.PPX", cut, sizeof cut);
    EXPECT_STREQ(cut, "");
}

TEST_F(Exports, GetImageHandleLoadsTheMainPictureOrTheWholeFile) {
    piclib::PictureFileWriter writer;
    writer.emblem = pictest::encoded(pictest::filled(4, 4, qRgb(1, 1, 1)), "png");
    writer.picture = pictest::encoded(pictest::filled(33, 17, qRgb(2, 2, 2)), "jpeg");
    ASSERT_TRUE(writer.write(configDir() + "MAIN.PPX"));
    pictest::writeFile(configDir() + "PLAIN.PNG", writer.emblem);
    for (const auto& [name, width] : std::vector<std::pair<const char*, int>>{
             {"MAIN.PPX", 33}, {"main.ppx", 33}, {"PLAIN.PNG", 4}}) {
        const int handle = GetImageHandle(name);
        ASSERT_NE(handle, 0) << name;
        int w = 0, h = 0;
        QueryPictureDimensions(handle, &w, &h);
        EXPECT_EQ(w, width) << name;
        DeletePicture(handle);
    }
    EXPECT_EQ(GetImageHandle("NOWHERE.PPX"), 0);
}

TEST_F(Exports, GalleryListAddsRenamesAndRewrites) {
    EXPECT_EQ(GalleryThere(), 0);
    EXPECT_EQ(AddGallery("/data/a.tmb", "Nature"), 1);
    EXPECT_EQ(GalleryThere(), 1);
    EXPECT_EQ(AddGallery("/data/b.tmb", "Nature"), 1);
    EXPECT_EQ(AddGallery("/data/a.tmb", "Animals"), 0);
    const std::string ini = configDir() + "Gallery.ini";
    char value[100] = {};
    GetPrivateProfileStringA("Descriptions", "File0001", "", value, sizeof value, ini.c_str());
    EXPECT_STREQ(value, "0000,Nature 1");
    GetPrivateProfileStringA("Descriptions", "File0000", "", value, sizeof value, ini.c_str());
    EXPECT_STREQ(value, "0000,Animals");
}

TEST_F(Exports, AdjustColorDepthKeepsPicturesOnATrueColourScreen) {
    unsetenv("TESSELLA_256_COLOURS");
    const int handle = pictureHandle(20, 10);
    EXPECT_EQ(AdjustColorDepth(handle, 1, nullptr, nullptr), handle);
    EXPECT_EQ(AdjustColorDepth(0, 1, nullptr, nullptr), 0);
    DeletePicture(handle);
}

TEST_F(Exports, NotifyingReductionHandsOverANewEightBitPicture) {
    setenv("TESSELLA_256_COLOURS", "1", 1);
    Listener listener;
    listener.handle = pictureHandle(64, 64);
    const int result = AdjustColorDepthWithNotify(listener.handle, 0, &listener, 0x0401);
    QCoreApplication::processEvents();
    unsetenv("TESSELLA_256_COLOURS");
    ASSERT_NE(result, 0);
    int bits = 0;
    ASSERT_NE(IMGGetDib(result - 1, nullptr, nullptr, &bits), nullptr);
    EXPECT_EQ(bits, 8);
    EXPECT_GT(listener.progressMessages, 0);
    EXPECT_EQ(listener.finalMessages, 1);
    EXPECT_EQ(listener.finalHandle, result);
    DeletePicture(result);
}

TEST_F(Exports, DeletingDuringTheNotifyingReductionStopsItAtTheNextBoundary) {
    setenv("TESSELLA_256_COLOURS", "1", 1);
    Listener listener;
    listener.handle = pictureHandle(200, 200);
    listener.deleteOn = 2;
    const int slot = listener.handle - 1;
    const int result = AdjustColorDepthWithNotify(listener.handle, 0, &listener, 0x0401);
    QCoreApplication::processEvents();
    unsetenv("TESSELLA_256_COLOURS");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(listener.progressMessages, 2);
    EXPECT_EQ(listener.finalMessages, 0);
    EXPECT_EQ(IMGGetDib(slot, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(Exports, SingleLoaderFitsThePictureAndRefusesASecondDialog) {
    // Without a gallery list the gallery loader is the file dialog.
    std::remove((configDir() + "Gallery.ini").c_str());
    const std::string dir = pictest::scratchFolder("choose");
    pictest::writeFile(dir + "/wide.png",
                       pictest::encoded(pictest::filled(200, 100, qRgb(0, 90, 0)), "png"));
    char fileName[300] = "stale";
    short w = 100, h = 100;
    int nested = -1;
    answerDialog(QString::fromStdString(dir + "/wide.png"), [&nested] {
        char inner[10];
        short iw = -1, ih = -1;
        nested = SmallLoadFromGallerySingle(nullptr, inner, sizeof inner, "", &iw, &ih, "", 0);
    });
    const int handle =
        LoadFromGallerySingle(nullptr, fileName, sizeof fileName, "Pick", &w, &h, "", 0);
    ASSERT_NE(handle, 0);
    EXPECT_EQ(nested, 0);
    EXPECT_EQ(std::string(fileName), dir + "/wide.png");
    EXPECT_EQ(w, 100);
    EXPECT_EQ(h, 50);
    DeletePicture(handle);
    answerDialog({});
    EXPECT_EQ(SmallLoadFromGallerySingle(nullptr, fileName, sizeof fileName, "Pick", &w, &h, "", 0),
              0);
    EXPECT_STREQ(fileName, "");
}

TEST_F(Exports, SingleLoaderReportsAFileThatIsNoPicture) {
    const std::string dir = pictest::scratchFolder("notpicture");
    pictest::writeFile(dir + "/fake.gif", {'n', 'o', 'p', 'e'});
    std::vector<std::string> texts;
    platform::setMessageBoxInterceptor([&texts](const platform::MessageBoxRecord& r) {
        texts.push_back(r.text);
        return IDOK;
    });
    char fileName[300];
    short w = -1, h = -1;
    answerDialog(QString::fromStdString(dir + "/fake.gif"));
    EXPECT_EQ(SmallLoadFromGallerySingle(nullptr, fileName, sizeof fileName, "Pick", &w, &h, "", 0),
              0);
    platform::setMessageBoxInterceptor({});
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], dir + "/fake.gif ist kein gültiges Bild");
}

TEST_F(Exports, MultipleSelectionIsReadEntryByEntry) {
    const std::string dir = pictest::scratchFolder("several");
    for (const char* name : {"a.png", "ba.png", "c.png"}) {
        pictest::writeFile(dir + "/" + name,
                           pictest::encoded(pictest::filled(2, 2, qRgb(1, 2, 3)), "png"));
    }
    char names[2000];
    answerDialog(QString::fromStdString("\"ba.png\" \"a.png\" \"c.png\""), [dir] {
        qobject_cast<QFileDialog*>(QApplication::activeModalWidget())
            ->setDirectory(QString::fromStdString(dir));
    });
    ASSERT_EQ(LoadFromGalleryMultiple(nullptr, names, sizeof names, "Several", "", 0), 3);
    EXPECT_EQ(GetSelCount(), 3);
    char name[512];
    std::vector<std::string> seen;
    for (int n = GetFirstFileName(name, 0); n > 0; n = GetNextFileName(name, 0)) {
        EXPECT_EQ(n, static_cast<int>(std::strlen(name)));
        seen.push_back(name);
        ASSERT_LT(seen.size(), 4u);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{dir + "/ba.png", dir + "/a.png", dir + "/c.png"}));
    EXPECT_STREQ(name, "");
    std::strcpy(name, "/elsewhere/zz.png");
    EXPECT_EQ(GetNextFileName(name, 0), 0);
    EXPECT_STREQ(name, "zz.png");
}

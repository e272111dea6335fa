#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>
#include <functional>

#include "GalleryList.h"
#include "GalleryWriter.h"
#include "PIXPICK32.h"
#include "PiclibSettings.h"
#include "PiclibTestSupport.h"
#include "platform/Profile.h"

namespace {

void saveShot(QWidget* w, const QString& name) {
    const QString folder = QStringLiteral(TESSELLA_TEST_OUTPUT "/dialogs");
    QDir().mkpath(folder);
    w->grab().save(folder + "/" + name + ".png");
}

void doubleClick(QWidget* w, QPoint at) {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
}

class Browser : public ::testing::Test {
  protected:
    void SetUp() override {
        pictest::application();
        config_ = pictest::useConfigDirectory(pictest::scratchFolder("browser"));
        gallery_ = config_ + "SHOW.TMB";
        piclib::GalleryWriter w;
        w.header.description = "Show";
        w.selectedCell.thumbnail = pictest::solidDib(120, 100, 0xFFFF80).block();
        w.normalCell.thumbnail = pictest::solidDib(120, 100, 0xC0C0C0).block();
        for (int i = 0; i < 7; ++i) {
            piclib::GalleryWriter::Item item;
            const std::string name = "P" + std::to_string(i) + ".png";
            item.entry.titles = {"Picture " + std::to_string(i), "Bild " + std::to_string(i),
                                 "Image " + std::to_string(i), "", ""};
            item.entry.descriptions = {"An example", "Ein Beispiel", "Un exemple", "", ""};
            item.entry.pictureName = name;
            item.entry.titleRectangle = {0, 80, 120, 98};
            item.entry.thumbnailTop = 6;
            item.thumbnail = pictest::solidDib(80, 60, 0x204080 + 0x10 * i).block();
            w.pictures.push_back(item);
            pictest::writeFile(
                config_ + name,
                pictest::encoded(pictest::filled(40, 30, qRgb(30 * i, 90, 0)), "png"));
        }
        ASSERT_TRUE(w.write(gallery_));
    }
    void useLanguage(const char* language) {
        WritePrivateProfileStringA("Registration", "Language", language,
                                   (config_ + "QUIET.INI").c_str());
        piclib::resetConfiguration();
    }
    std::string value(const char* section, const char* key) {
        char buffer[512] = {};
        GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer,
                                 (config_ + "Gallery.ini").c_str());
        return buffer;
    }
    std::string config_;
    std::string gallery_;
};

}  // namespace

TEST_F(Browser, DoubleClickOnAThumbnailTakesThatPictureInEveryLanguage) {
    for (const char* language : {"English", "German", "French"}) {
        useLanguage(language);
        std::remove((config_ + "Gallery.ini").c_str());
        ASSERT_EQ(AddGallery(gallery_.c_str(), ""), 1);
        piclib::GalleryList(config_ + "Gallery.ini").set(0, gallery_, 99);  // out of range
        int firstSelected = -2;
        pictest::whenModal([&](QDialog* dialog) {
            auto* grid = dialog->findChild<QAbstractScrollArea*>();
            ASSERT_NE(grid, nullptr);
            firstSelected = grid->property("selected").toInt();
            saveShot(dialog, QStringLiteral("gallery_browser_%1").arg(language[0]));
            // Picture 5: second row, second column of the four-column grid.
            doubleClick(grid->viewport(), QPoint(120 + 60, 100 + 50));
        });
        char name[300] = {};
        short w = -1, h = -1;
        const int handle = LoadFromGallerySingle(nullptr, name, sizeof name, "", &w, &h, "", 0);
        ASSERT_NE(handle, 0) << language;
        EXPECT_EQ(std::string(name), config_ + "P5.png");
        EXPECT_EQ(w, 40);
        EXPECT_EQ(value("Descriptions", "File0000"), "0005,Show");
        EXPECT_EQ(value("Last Used", "Dialog"), "big");
        EXPECT_EQ(firstSelected, 0);
        DeletePicture(handle);
    }
    useLanguage("English");
}

TEST_F(Browser, MissingGalleriesAreReportedOnceAndTheFileDialogStandsIn) {
    useLanguage("English");
    std::remove((config_ + "Gallery.ini").c_str());
    AddGallery((config_ + "GONE.TMB").c_str(), "Gone");
    int reports = 0;
    for (int round = 0; round < 2; ++round) {
        pictest::whenModal([&](QDialog* dialog) {
            if (qobject_cast<QFileDialog*>(dialog) == nullptr) {
                ++reports;
                saveShot(dialog, QStringLiteral("missing_galleries"));
                dialog->reject();  // Ignore
                pictest::whenModal([](QDialog* files) { files->reject(); });
                return;
            }
            dialog->reject();
        });
        char name[300] = {};
        short w = -1, h = -1;
        EXPECT_EQ(LoadFromGallerySingle(nullptr, name, sizeof name, "", &w, &h, "", 0), 0);
    }
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(piclib::GalleryList(config_ + "Gallery.ini").count(), 1);
}

TEST_F(Browser, PreviewDialogRemembersItsSettingsAndReportsBadFiles) {
    useLanguage("German");
    pictest::writeFile(config_ + "BAD.PPX", {'n', 'o'});
    WritePrivateProfileStringA("FileSelect", "AutoPreview", "1", (config_ + "Gallery.ini").c_str());
    pictest::whenModal([&](QDialog* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        auto* automatic = dialog->findChild<QCheckBox*>(QStringLiteral("1003"));
        ASSERT_NE(automatic, nullptr);
        EXPECT_TRUE(automatic->isChecked());
        files->setDirectory(QString::fromStdString(config_));
        files->selectFile(QStringLiteral("BAD.PPX"));
        // The file list is filled by a thread: wait until it shows the file.
        for (int i = 0; i < 100 && files->selectedFiles().value(0).isEmpty(); ++i) {
            QThread::msleep(10);
            QApplication::processEvents();
        }
        QThread::msleep(50);
        QApplication::processEvents();
        saveShot(dialog, QStringLiteral("file_open_preview_G"));
        automatic->setChecked(false);
        dialog->reject();
    });
    char name[300] = {};
    short w = -1, h = -1;
    EXPECT_EQ(SmallLoadFromGallerySingle(nullptr, name, sizeof name, "", &w, &h, "", 0), 0);
    EXPECT_EQ(value("FileSelect", "AutoPreview"), "0");
    EXPECT_EQ(value("FileSelect", "LastSelectedFile"), "BAD.PPX");
    useLanguage("English");
}

#include <gtest/gtest.h>

#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

#include "PictureFileWriter.h"
#include "TestSupport.h"
#include "app/CJigsawApp.h"
#include "app/CMainFrame.h"
#include "app/FirstStart.h"
#include "app/FramePlacement.h"
#include "model/PictureFit.h"
#include "platform/MessageBox.h"
#include "settings/IniStore.h"
#include "view/CJigsawView.h"

namespace {

class JigsawAppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApp();
        platform::setMessageBoxInterceptor([this](const platform::MessageBoxRecord& box) {
            boxes.push_back(box.text);
            return IDOK;
        });
    }
    void TearDown() override { platform::setMessageBoxInterceptor({}); }

    // Start-up prepares the player's data folder and registry entry: both
    // are kept inside the test's temporary folder.
    TempSettings settings;
    ScopedEnv dataHome{"XDG_DATA_HOME", settings.dir() + "/data"};
    ScopedEnv home{"HOME", settings.dir() + "/home"};
    ScopedEnv registry{"TESSELLA_REGISTRY", settings.dir() + "/registry"};
    std::vector<std::string> boxes;
    int argc = 1;
    char name[6] = "tests";
    char* argv[2] = {name, nullptr};
};

}  // namespace

TEST_F(JigsawAppTest, StartUpReadsSettingsAndBuildsTheFrame) {
    WriteIniString("0,12,0,1,1", "Settings");
    WriteIniString("10 20 30", "Background", "Options");
    CJigsawApp app(argc, argv);
    EXPECT_EQ(CJigsawApp::instance(), &app);
    EXPECT_TRUE(app.InitInstance(""));
    EXPECT_EQ(app.pieceWidth, 60);
    EXPECT_EQ(app.pieceHeight, 60);
    EXPECT_EQ(app.imageSlot, -1);
    EXPECT_EQ(app.prefs.smallPieceLimit, 12);
    EXPECT_EQ(app.prefs.moveAside, 1);
    EXPECT_EQ(app.prefs.loadingPriority, 2);  // not in the value: built-in default
    EXPECT_EQ(app.background, RGB(10, 20, 30));
    ASSERT_NE(app.mainFrame(), nullptr);
    EXPECT_EQ(app.view, app.mainFrame()->view());
    EXPECT_EQ(app.mainFrame()->windowTitle(), "Tessella");
    app.SetStatusPaneText(2, "Score");
    app.SetStatusPaneText(7, "ignored");
    EXPECT_EQ(app.mainFrame()->paneText(2), "Score");
    QCoreApplication::processEvents();
    EXPECT_TRUE(boxes.empty());
}

// A saved game named on the command line that is not there leads to the
// open dialog (after a beep) instead of ending the program.
TEST_F(JigsawAppTest, MissingSavedGameOnTheCommandLineOpensTheRestoreDialog) {
    CJigsawApp app(argc, argv);
    bool offered = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&offered] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (dialog != nullptr && dialog->isVisible()) {
                offered = true;
                dialog->reject();
            }
        }
    });
    poll.start(20);
    app.InitInstance("/no/such/dir/game.JIG");
    EXPECT_TRUE(QTest::qWaitFor([&offered] { return offered; }, 10000));
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(app.view->session().puzzle(), nullptr);
}

TEST_F(JigsawAppTest, UnknownExtensionsAndBrokenSettingsAreIgnored) {
    WriteIniString("nonsense", "Settings");
    WriteIniString("red green", "Background", "Options");
    WriteIniString("-1", "Level");
    CJigsawApp app(argc, argv);
    app.InitInstance("/no/such/notes.txt");
    QCoreApplication::processEvents();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(app.prefs.smallPieceLimit, 4);
    EXPECT_EQ(app.background, RGB(0, 0, 255));
    EXPECT_EQ(app.view->state().level, 4);
}

// "/V" (what scripts/play.sh passes when given no file) opens the picture
// selection at once, and on a fresh settings folder it starts among the
// shipped pictures.
TEST_F(JigsawAppTest, SlashVOpensThePictureSelectionAmongTheShippedPictures) {
    const std::string data = SharedDataDirectory(ProgramDirectory());
    if (data.empty() || !QDir(QString::fromStdString(data + "pictures")).exists()) {
        GTEST_SKIP() << "the shipped pictures are not built (tessella_pictures)";
    }
    CJigsawApp app(argc, argv);
    app.InitInstance("/V");
    QString opened;
    QTimer poll;
    // With the shipped gallery registered the selection is the gallery
    // browser, showing that gallery; without it, the file dialog in its folder.
    QObject::connect(&poll, &QTimer::timeout, [&opened] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(w);
            if (dialog == nullptr || !dialog->isVisible()) {
                continue;
            }
            if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
                opened = files->directory().absolutePath();
            } else if (auto* galleries = dialog->findChild<QComboBox*>()) {
                opened = galleries->currentText();
            }
            dialog->reject();
        }
    });
    poll.start(20);
    EXPECT_TRUE(QTest::qWaitFor([&opened] { return !opened.isEmpty(); }, 10000));
    // Whether the gallery is registered yet depends on the settings earlier
    // tests left; either way the selection shows the shipped pictures.
    const QString folder = QDir(QString::fromStdString(data + "pictures")).canonicalPath();
    EXPECT_TRUE(opened == QStringLiteral("Tessella Pictures") || opened == folder)
        << opened.toStdString();
    EXPECT_TRUE(boxes.empty());
}

// The frame opens over most of the screen, or where it was when the program
// last ended; a picture named on the command line is fitted to that window.
TEST_F(JigsawAppTest, TheFrameOpensAtItsPlacementAndFitsTheCommandLinePicture) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    {
        CJigsawApp app(argc, argv);
        app.InitInstance("");
        const QRect placed = app.mainFrame()->geometry();
        EXPECT_GE(placed.width(), available.width() * 8 / 10);
        EXPECT_GE(placed.height(), available.height() * 8 / 10);
        EXPECT_TRUE(available.contains(placed));
        app.mainFrame()->setGeometry(20, 30, 500, 400);
        app.mainFrame()->close();  // the placement is kept on exit
    }
    EXPECT_EQ(FramePlacement::choose("20 30 500 400", available), QRect(20, 30, 500, 400));
    EXPECT_EQ(FramePlacement::choose("5000 30 500 400", available),
              FramePlacement::choose("", available))
        << "off the screen";
    // A picture file whose picture is a 2400 x 1200 PNG.
    const auto png = [](int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return std::vector<std::uint8_t>(buffer.data().begin(), buffer.data().end());
    };
    piclib::PictureFileWriter writer;
    writer.emblem = png(8, 8);
    writer.picture = png(2400, 1200);
    const QString picture = QString::fromStdString(settings.dir()) + "/wide.ppx";
    ASSERT_TRUE(writer.write(picture.toStdString()));
    CJigsawApp app(argc, argv);
    app.InitInstance(picture.toStdString());
    EXPECT_EQ(app.mainFrame()->geometry(), QRect(20, 30, 500, 400));
    app.showFrame();
    ASSERT_TRUE(QTest::qWaitFor([&app] { return app.view->session().HasPicture(); }, 10000))
        << (boxes.empty() ? std::string() : boxes.front());
    const QWidget* port = app.view->viewport();
    const PictureFit fit = PictureFit::ToWindow(2400, 1200, port->width(), port->height(),
                                                app.prefs.adjustOriginal != 0);
    EXPECT_EQ(app.view->session().picture().width(), fit.width);
    EXPECT_EQ(app.view->session().picture().height(), fit.height);
}

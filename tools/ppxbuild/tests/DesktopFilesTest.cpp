#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

const std::string kDesktop = TESSELLA_SOURCE_DIR "/data/desktop/";

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

// The window and desktop icon is the SVG; it must render at the sizes the
// desktop asks for, with the puzzle pieces' colours in it.
TEST(DesktopFiles, IconRendersAtSmallAndLargeSizes) {
    static int argc = 1;
    static char name[] = "ppxbuild_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app =
        QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)app;
    for (const int side : {16, 48, 256}) {
        QImageReader reader(QString::fromStdString(kDesktop + "tessella.svg"));
        reader.setScaledSize(QSize(side, side));
        const QImage icon = reader.read();
        ASSERT_FALSE(icon.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(icon.size(), QSize(side, side));
        const QRgb quarter = icon.pixel(side / 4, side / 4);
        EXPECT_GT(qRed(quarter), 2 * qGreen(quarter)) << side;  // the red piece
    }
}

// Every file type the menu entry opens is declared, with the extensions the
// game writes and reads.
TEST(DesktopFiles, EntryAndFileTypesAgree) {
    const std::string entry = readFile(kDesktop + "tessella.desktop");
    const std::string mime = readFile(kDesktop + "tessella-mime.xml");
    std::smatch types;
    ASSERT_TRUE(std::regex_search(entry, types, std::regex("MimeType=([^\n]*)")));
    const std::string list = types[1];
    for (const char* type : {"application/x-tessella-game", "application/x-tessella-picture"}) {
        EXPECT_NE(list.find(type), std::string::npos) << type;
        EXPECT_NE(mime.find(std::string("type=\"") + type + "\""), std::string::npos) << type;
    }
    EXPECT_NE(mime.find("pattern=\"*.jig\""), std::string::npos);
    EXPECT_NE(mime.find("pattern=\"*.ppx\""), std::string::npos);
    EXPECT_NE(entry.find("Exec=tessella %f"), std::string::npos);
    EXPECT_NE(entry.find("Icon=tessella"), std::string::npos);
}

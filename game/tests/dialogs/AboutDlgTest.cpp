#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTextBrowser>

#include "TestSupport.h"
#include "dialogs/CAboutDlg.h"

namespace {

const QString kSourceDir = QStringLiteral(TESSELLA_SOURCE_DIR);

QString projectVersion() {
    QFile file(kSourceDir + QStringLiteral("/CMakeLists.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    static const QRegularExpression re(QStringLiteral(R"(project\(\w+\s+VERSION\s+([0-9.]+))"));
    return re.match(QString::fromUtf8(file.readAll())).captured(1);
}

// What the descriptions of the shipped pictures credit: each source file and
// its artist.
std::vector<std::pair<QString, QString>> shippedCredits() {
    std::vector<std::pair<QString, QString>> credits;
    const QDir dir(kSourceDir + QStringLiteral("/data/pictures"));
    for (const QString& name : dir.entryList({QStringLiteral("*.desc")}, QDir::Files)) {
        QSettings desc(dir.filePath(name), QSettings::IniFormat);
        credits.emplace_back(desc.value(QStringLiteral("Picture/Source")).toString(),
                             desc.value(QStringLiteral("Picture/Artist")).toString());
    }
    return credits;
}

TEST(AboutDlg, ShowsTheBuildsVersionAndEveryShippedPicturesLicence) {
    testApp();
    CAboutDlg about(nullptr, kSourceDir + QStringLiteral("/data/pictures/LICENSES.md"));
    const QString version = projectVersion();
    ASSERT_FALSE(version.isEmpty());
    EXPECT_EQ(CAboutDlg::version(), version);
    EXPECT_TRUE(about.versionText()->text().contains(QStringLiteral("Version ") + version));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Tessella"));
    EXPECT_EQ(about.objectName(), QStringLiteral("114"));

    const QString licences = about.licences()->toPlainText();
    const auto credits = shippedCredits();
    ASSERT_FALSE(credits.empty());
    for (const auto& [source, artist] : credits) {
        EXPECT_TRUE(licences.contains(source)) << source.toStdString();
        EXPECT_TRUE(licences.contains(artist)) << artist.toStdString();
    }
    EXPECT_TRUE(licences.contains(QStringLiteral("CC0")));
    EXPECT_FALSE(licences.contains(QStringLiteral("| ---"))) << "Markdown shown as source";

    about.show();
    QApplication::processEvents();
    EXPECT_TRUE(about.licences()->isReadOnly());
    EXPECT_GT(about.licences()->verticalScrollBar()->maximum(), 0) << "the text scrolls";
    about.grab().save(testOutputDir() + QStringLiteral("/about-box.png"));
}

TEST(AboutDlg, MissingLicenceRecordIsNamedAndTheBoxStillWorks) {
    testApp();
    const QString missing = QStringLiteral("/nonexistent/share/tessella/pictures/LICENSES.md");
    CAboutDlg about(nullptr, missing);
    EXPECT_TRUE(about.licences()->toPlainText().contains(QStringLiteral("not found")));
    EXPECT_TRUE(about.licences()->toPlainText().contains(missing));
    EXPECT_TRUE(about.versionText()->text().contains(CAboutDlg::version()));
}

}  // namespace

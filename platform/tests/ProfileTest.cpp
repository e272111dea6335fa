#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLocale>
#include <cstdlib>
#include <string>

#include "TempDir.h"
#include "platform/Profile.h"

namespace {

std::string readString(const char* section, const char* key, const char* def,
                       const std::string& file, std::uint32_t size = 256) {
    std::string buf(size, '#');
    const std::uint32_t n =
        GetPrivateProfileStringA(section, key, def, buf.data(), size, file.c_str());
    EXPECT_EQ(buf[n], '\0');
    return buf.substr(0, n);
}

TEST(Profile, ReadsCaseInsensitiveTrimmedValues) {
    TempDir dir;
    dir.write("Quiet.Ini",
              "; top comment\n[Jigsaw]\n  Level =  5  \r\nName=a=b\n[Options]\nSound=On\n");
    const std::string file = dir.file("Quiet.Ini");
    EXPECT_EQ(readString("JIGSAW", "level", "x", file), "5");
    EXPECT_EQ(readString("jigsaw", "NAME", "", file), "a=b");
    EXPECT_EQ(readString("Options", "Level", "dflt", file), "dflt");
    EXPECT_EQ(readString("Nope", "Sound", "dflt", file), "dflt");
    EXPECT_EQ(readString("Jigsaw", "Level", "x", dir.file("QUIET.INI")), "5");
    EXPECT_EQ(readString("Jigsaw", "Level", "x", dir.file("missing.ini")), "x");
}

TEST(Profile, CutsLongValuesToTheBuffer) {
    TempDir dir;
    dir.write("a.ini", "[S]\nK=abcdefgh\n");
    EXPECT_EQ(readString("S", "K", "", dir.file("a.ini"), 4), "abc");
    EXPECT_EQ(readString("S", "X", "defaultlong", dir.file("a.ini"), 5), "defa");
    char one = 'z';
    EXPECT_EQ(GetPrivateProfileStringA("S", "K", "", &one, 1, dir.file("a.ini").c_str()), 0u);
    EXPECT_EQ(one, '\0');
    EXPECT_EQ(GetPrivateProfileStringA("S", "K", "", nullptr, 10, dir.file("a.ini").c_str()), 0u);
}

TEST(Profile, IntegersFollowTheLeadingNumber) {
    TempDir dir;
    dir.write("a.ini", "[S]\nA= 42 \nB=-1\nC=abc\nD=\nE=17xyz\nF=99999999999999\nG=+7\n");
    const std::string f = dir.file("a.ini");
    EXPECT_EQ(GetPrivateProfileIntA("S", "A", 3, f.c_str()), 42);
    EXPECT_EQ(GetPrivateProfileIntA("S", "B", 3, f.c_str()), -1);
    EXPECT_EQ(GetPrivateProfileIntA("S", "C", 3, f.c_str()), 0);
    EXPECT_EQ(GetPrivateProfileIntA("S", "D", 3, f.c_str()), 0);
    EXPECT_EQ(GetPrivateProfileIntA("S", "E", 3, f.c_str()), 17);
    EXPECT_EQ(GetPrivateProfileIntA("S", "F", 3, f.c_str()), 2147483647);
    EXPECT_EQ(GetPrivateProfileIntA("S", "G", 3, f.c_str()), 7);
    EXPECT_EQ(GetPrivateProfileIntA("S", "Missing", 3, f.c_str()), 3);
}

TEST(Profile, WriteKeepsCommentsGarbageAndOtherSections) {
    TempDir dir;
    const std::string before =
        "; settings\r\n[Jigsaw]\r\nLevel=4\r\n garbage line \r\n\r\n[Players]\r\nName1=Ann\r\n";
    dir.write("q.ini", before);
    const std::string f = dir.file("q.ini");
    ASSERT_EQ(WritePrivateProfileStringA("jigsaw", "LEVEL", "5", f.c_str()), 1);
    ASSERT_EQ(WritePrivateProfileStringA("Jigsaw", "Sound", "On", f.c_str()), 1);
    ASSERT_EQ(WritePrivateProfileStringA("New", "K", "v", f.c_str()), 1);
    EXPECT_EQ(dir.read("q.ini"),
              "; settings\r\n[Jigsaw]\r\nLevel=5\r\n garbage line \r\nSound=On\r\n\r\n"
              "[Players]\r\nName1=Ann\r\n\r\n[New]\r\nK=v\r\n");
}

TEST(Profile, WriteCreatesFileAndRemovesKeysAndSections) {
    TempDir dir;
    const std::string f = dir.file("new.ini");
    ASSERT_EQ(WritePrivateProfileStringA("A", "x", "1", f.c_str()), 1);
    ASSERT_EQ(WritePrivateProfileStringA("B", "y", "2", f.c_str()), 1);
    ASSERT_EQ(WritePrivateProfileStringA("A", "z", "3", f.c_str()), 1);
    ASSERT_EQ(WritePrivateProfileStringA("A", "x", nullptr, f.c_str()), 1);
    EXPECT_EQ(dir.read("new.ini"), "[A]\nz=3\n\n[B]\ny=2\n");
    ASSERT_EQ(WritePrivateProfileStringA("a", nullptr, nullptr, f.c_str()), 1);
    EXPECT_EQ(dir.read("new.ini"), "[B]\ny=2\n");
}

TEST(Profile, WriteFindsTheFileWhateverItsCase) {
    TempDir dir;
    dir.write("Sub/Quiet.Ini", "[S]\nk=old\n");
    ASSERT_EQ(WritePrivateProfileStringA("S", "k", "new", dir.file("SUB/QUIET.INI").c_str()), 1);
    EXPECT_EQ(dir.read("Sub/Quiet.Ini"), "[S]\nk=new\n");
    ASSERT_EQ(WritePrivateProfileStringA("S", "k", "v", dir.file("SUB/Other.ini").c_str()), 1);
    EXPECT_EQ(dir.read("Sub/Other.ini"), "[S]\nk=v\n");
}

TEST(Profile, RefusesWritesThatWouldBreakTheFile) {
    TempDir dir;
    dir.write("a.ini", "[S]\nk=1\n");
    const std::string f = dir.file("a.ini");
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "two\nlines", f.c_str()), 0);
    EXPECT_EQ(WritePrivateProfileStringA("S", "a=b", "1", f.c_str()), 0);
    EXPECT_EQ(WritePrivateProfileStringA("S]", "k", "1", f.c_str()), 0);
    EXPECT_EQ(WritePrivateProfileStringA("S", "", "1", f.c_str()), 0);
    EXPECT_EQ(dir.read("a.ini"), "[S]\nk=1\n");
}

TEST(Profile, FailedWriteOnAReadOnlyFileSystemReportsZero) {
    TempDir dir;
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "2", "/proc/version"), 0);
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "2", dir.path().c_str()), 0);
}

TEST(Profile, FailedWriteLeavesTheOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    TempDir dir;
    dir.write("ro/a.ini", "[S]\nk=1\n");
    const std::string sub = dir.file("ro");
    ASSERT_EQ(::chmod(sub.c_str(), 0555), 0);
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "2", dir.file("ro/a.ini").c_str()), 0);
    ::chmod(sub.c_str(), 0755);
    EXPECT_EQ(dir.read("ro/a.ini"), "[S]\nk=1\n");
    ::chmod(dir.file("ro/a.ini").c_str(), 0);
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "2", dir.file("ro/a.ini").c_str()), 0);
    ::chmod(dir.file("ro/a.ini").c_str(), 0644);
    EXPECT_EQ(dir.read("ro/a.ini"), "[S]\nk=1\n");
}

TEST(Profile, WriteThroughASymbolicLinkKeepsTheLink) {
    TempDir dir;
    dir.write("real.ini", "[S]\nk=1\n");
    ASSERT_EQ(::symlink(dir.file("real.ini").c_str(), dir.file("link.ini").c_str()), 0);
    ASSERT_EQ(WritePrivateProfileStringA("S", "k", "2", dir.file("link.ini").c_str()), 1);
    EXPECT_EQ(dir.read("real.ini"), "[S]\nk=2\n");
    struct stat st {};
    ASSERT_EQ(::lstat(dir.file("link.ini").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST(Profile, SystemDateOrderFollowsTheLocale) {
    ::unsetenv("TESSELLA_IDATE");
    const QLocale saved;
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(GetProfileIntA("Intl", "iDate", 9), 1);
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    EXPECT_EQ(GetProfileIntA("Intl", "iDate", 9), 0);
    QLocale::setDefault(QLocale(QStringLiteral("sv_SE")));
    EXPECT_EQ(GetProfileIntA("Intl", "iDate", 9), 2);
    QLocale::setDefault(saved);
}

TEST(Profile, SystemDateOrderComesFromTheEnvironmentOrLocale) {
    ::setenv("TESSELLA_IDATE", "2", 1);
    EXPECT_EQ(GetProfileIntA("intl", "IDATE", 0), 2);
    ::setenv("TESSELLA_IDATE", "junk", 1);
    const int fromLocale = GetProfileIntA("Intl", "iDate", 7);
    EXPECT_GE(fromLocale, 0);
    EXPECT_LE(fromLocale, 2);
    ::unsetenv("TESSELLA_IDATE");
    EXPECT_EQ(GetProfileIntA("Intl", "sDate", 7), 7);
    EXPECT_EQ(GetProfileIntA("Windows", "iDate", 7), 7);
}

}  // namespace

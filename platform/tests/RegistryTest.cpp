#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TempDir.h"
#include "platform/Registry.h"

namespace {

// Points the key store at a private file for the duration of a test.
class RegistryTest : public testing::Test {
  protected:
    void SetUp() override {
        const char* old = std::getenv("TESSELLA_REGISTRY");
        saved_ = old != nullptr ? old : "";
        hadOld_ = old != nullptr;
        ::setenv("TESSELLA_REGISTRY", dir_.file("cfg/registry").c_str(), 1);
    }
    void TearDown() override {
        if (hadOld_) {
            ::setenv("TESSELLA_REGISTRY", saved_.c_str(), 1);
        } else {
            ::unsetenv("TESSELLA_REGISTRY");
        }
    }

    std::string query(const char* key, long size = 256) {
        std::string buf(static_cast<std::size_t>(size), '#');
        HKEY k = nullptr;
        if (RegOpenKeyA(HKEY_CLASSES_ROOT, key, &k) != ERROR_SUCCESS) {
            return "<missing>";
        }
        const long rc = RegQueryValueA(k, nullptr, buf.data(), &size);
        RegCloseKey(k);
        if (rc == ERROR_MORE_DATA) {
            return "<more>" + std::string(buf.c_str());
        }
        return rc == ERROR_SUCCESS ? std::string(buf.c_str()) : "<error>";
    }

    TempDir dir_;
    std::string saved_;
    bool hadOld_ = false;
};

TEST_F(RegistryTest, CreateSetAndQueryPersistInTheStoreFile) {
    EXPECT_EQ(query("SOFTWARE\\Classes\\Orbis_Playware\\Location"), "<missing>");
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, "SOFTWARE\\Classes\\Orbis_Playware\\Location", &key),
              ERROR_SUCCESS);
    EXPECT_EQ(query("software\\classes\\orbis_playware\\location"), "");
    const char dir[] = "/opt/tessella/";
    ASSERT_EQ(RegSetValueA(key, nullptr, REG_SZ, dir, sizeof dir), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(query("SOFTWARE\\CLASSES\\Orbis_Playware\\Location\\"), "/opt/tessella/");
    EXPECT_EQ(query("SOFTWARE\\Classes"), "");
    EXPECT_EQ(query("SOFTWARE\\Classes\\Orbis"), "<missing>");
    EXPECT_EQ(dir_.read("cfg/registry"),
              "HKEY_CLASSES_ROOT\\SOFTWARE\\Classes\\Orbis_Playware\\Location=/opt/tessella/\n");
}

TEST_F(RegistryTest, TheRootAlwaysOpens) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyA(HKEY_CLASSES_ROOT, "", &key), ERROR_SUCCESS);
    EXPECT_EQ(key, HKEY_CLASSES_ROOT);
    EXPECT_EQ(RegOpenKeyA(HKEY_CLASSES_ROOT, "\\", &key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyA(nullptr, "A", &key), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, LongValuesAreCutAndReported) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, "A", &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueA(key, "B", REG_SZ, "abcdef", 7), ERROR_SUCCESS);
    long size = 0;
    EXPECT_EQ(RegQueryValueA(key, "B", nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 7);
    char buf[4];
    size = sizeof buf;
    EXPECT_EQ(RegQueryValueA(key, "b", buf, &size), ERROR_MORE_DATA);
    EXPECT_STREQ(buf, "abc");
    EXPECT_EQ(size, 4);
    EXPECT_EQ(RegSetValueA(key, nullptr, REG_SZ, "two\nlines", 10), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegSetValueA(key, nullptr, 4, "x", 2), ERROR_ACCESS_DENIED);
    RegCloseKey(key);
    EXPECT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, "bad=name", &key), ERROR_ACCESS_DENIED);
}

TEST_F(RegistryTest, MalformedStoreLinesAreIgnoredAndKept) {
    dir_.write("cfg/registry", std::string("# comment\n=novalue\n\\\\\n\x01\x02garbage\n") +
                                   "HKEY_CLASSES_ROOT\\K=v1\n");
    EXPECT_EQ(query("K"), "v1");
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, "K", &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueA(key, nullptr, REG_SZ, "v2", 3), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(
        dir_.read("cfg/registry"),
        std::string("# comment\n=novalue\n\\\\\n\x01\x02garbage\n") + "HKEY_CLASSES_ROOT\\K=v2\n");
}

TEST_F(RegistryTest, UnreadableStoreFailsWithoutDamage) {
    dir_.write("cfg/registry/inside", "");
    HKEY key = nullptr;
    EXPECT_NE(RegCreateKeyA(HKEY_CLASSES_ROOT, "K", &key), ERROR_SUCCESS);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(query("K"), "<missing>");
}

}  // namespace

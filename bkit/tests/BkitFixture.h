#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// Gives each test a private temporary directory and key store, and puts the
// current directory and environment back afterwards.
class BkitFixture : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "bkit-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        startDir_ = std::filesystem::current_path();
        remember("TESSELLA_REGISTRY", registry_, hadRegistry_);
        remember("TESSELLA_IDATE", idate_, hadIdate_);
        ::setenv("TESSELLA_REGISTRY", file("store/registry").c_str(), 1);
    }
    void TearDown() override {
        std::filesystem::current_path(startDir_);
        restore("TESSELLA_REGISTRY", registry_, hadRegistry_);
        restore("TESSELLA_IDATE", idate_, hadIdate_);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    std::string file(const std::string& name) const { return (dir_ / name).string(); }
    void write(const std::string& name, const std::string& text) const {
        std::filesystem::create_directories((dir_ / name).parent_path());
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }
    void mkdir(const std::string& name) const { std::filesystem::create_directories(dir_ / name); }

    std::filesystem::path dir_;
    std::filesystem::path startDir_;

  private:
    static void remember(const char* name, std::string& value, bool& had) {
        const char* old = std::getenv(name);
        had = old != nullptr;
        value = had ? old : "";
    }
    static void restore(const char* name, const std::string& value, bool had) {
        if (had) {
            ::setenv(name, value.c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }

    std::string registry_;
    std::string idate_;
    bool hadRegistry_ = false;
    bool hadIdate_ = false;
};

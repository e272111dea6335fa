#include "PictureDescription.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/Profile.h"

namespace ppxbuild {
namespace {

// Longest text a picture file can hold is 32767 bytes; anything longer is cut
// by the profile reader and then refused by the writer's own check.
constexpr std::uint32_t kValueBytes = 32768;

std::string value(const std::string& path, const char* section, const char* key,
                  const char* def = "") {
    std::vector<char> buffer(kValueBytes);
    GetPrivateProfileStringA(section, key, def, buffer.data(), kValueBytes, path.c_str());
    return buffer.data();
}

std::int16_t number(const std::string& path, const char* key, int def) {
    return static_cast<std::int16_t>(GetPrivateProfileIntA("Picture", key, def, path.c_str()));
}

}  // namespace

const char* languageSection(Language language) {
    switch (language) {
        case Language::kGerman:
            return "German";
        case Language::kFrench:
            return "French";
        case Language::kSpanish:
            return "Spanish";
        case Language::kItalian:
            return "Italian";
        case Language::kEnglish:
            break;
    }
    return "English";
}

char helpLetter(Language language) {
    switch (language) {
        case Language::kGerman:
            return 'G';
        case Language::kFrench:
            return 'F';
        case Language::kSpanish:
            return 'S';
        case Language::kItalian:
            return 'I';
        case Language::kEnglish:
            break;
    }
    return 'P';
}

bool readDescription(const std::string& path, PictureDescription& out, std::string& error) {
    out = PictureDescription();
    out.stem = std::filesystem::path(path).stem().string();
    out.source = value(path, "Picture", "Source");
    out.artist = value(path, "Picture", "Artist");
    out.logo = value(path, "Picture", "Logo");
    out.logoEnabled = number(path, "LogoEnabled", 0);
    out.logoHorizontal = number(path, "LogoHorizontal", 0);
    out.logoVertical = number(path, "LogoVertical", 0);
    out.logoMargin = number(path, "LogoMargin", 10);
    out.logoColour = static_cast<std::uint32_t>(
        std::strtoul(value(path, "Picture", "LogoColour", "0x00FFFFFF").c_str(), nullptr, 0));
    if (out.source.empty() || out.artist.empty()) {
        error = path + ": [Picture] needs Source and Artist";
        return false;
    }
    for (int i = 0; i < kLanguageCount; ++i) {
        const auto language = static_cast<Language>(i);
        const char* section = languageSection(language);
        LanguageTexts& t = out.texts[static_cast<std::size_t>(i)];
        t.title = value(path, section, "Title");
        t.description = value(path, section, "Long");
        t.pictureHelp = value(path, section, "PictureHelp");
        t.artistHelp = value(path, section, "ArtistHelp");
        if (t.title.empty() || t.description.empty() || t.pictureHelp.empty() ||
            t.artistHelp.empty()) {
            error = path + ": [" + section + "] needs Title, Long, PictureHelp and ArtistHelp";
            return false;
        }
    }
    return true;
}

}  // namespace ppxbuild

#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace ppxbuild {

// The five languages of a picture file, in the order the tool writes them.
enum class Language { kEnglish, kGerman, kFrench, kSpanish, kItalian };
inline constexpr int kLanguageCount = 5;

struct LanguageTexts {
    std::string title;        // the short description
    std::string description;  // the long description
    std::string pictureHelp;  // body of the picture's help topic
    std::string artistHelp;   // body of the artist's help topic
};

// One shipped picture as its description file states it. The stem (the
// description file's name without extension) names the picture file
// (<stem>.PPX), its help files (<stem>.HL?) and its help topics (<stem> and
// <stem>_ARTIST, the names the picture library derives for a bare picture).
struct PictureDescription {
    std::string stem;
    std::string source;  // file name of the source picture
    std::string artist;
    std::string logo;  // stem of a logo drawn as the emblem, empty for a thumbnail
    std::int16_t logoEnabled = 0;
    std::int16_t logoHorizontal = 0;
    std::int16_t logoVertical = 0;
    std::int16_t logoMargin = 10;           // pixels
    std::uint32_t logoColour = 0x00FFFFFF;  // transparent colour, red in the low byte
    std::array<LanguageTexts, kLanguageCount> texts;

    const LanguageTexts& in(Language language) const {
        return texts[static_cast<std::size_t>(language)];
    }
    std::string pictureTopic() const { return stem; }
    std::string artistTopic() const { return stem + "_ARTIST"; }
};

// Section name of a language in a description file ("English" ...).
const char* languageSection(Language language);
// Letter behind ".HL" in the help file of a language (P for English).
char helpLetter(Language language);

// Reads a description file (sections [Picture] and one per language, UTF-8
// texts). Returns false, with a reason in error, when the source picture, the
// artist or any title or long description is missing.
bool readDescription(const std::string& path, PictureDescription& out, std::string& error);

}  // namespace ppxbuild

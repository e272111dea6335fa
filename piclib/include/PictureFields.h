#pragma once

#include <cstdint>
#include <string>

namespace piclib {

// The values of a picture file's information block. Texts are 8-bit strings;
// the library never interprets textA and textB.
struct PictureFields {
    std::string textA;
    std::string pictureTopic;
    std::string artistTopic;
    std::string helpFile;
    std::string longEnglish;
    std::string shortEnglish;
    std::string textB;
    std::string shortFrench;
    std::string shortSpanish;
    std::string shortGerman;
    std::string shortItalian;
    std::string longFrench;
    std::string longGerman;
    std::string longSpanish;
    std::string longItalian;
    std::uint32_t logoColour = 0x00FFFFFF;  // transparent colour, red in the low byte
    std::int16_t logoHorizontal = 0;        // 0 left, 1 right, 2 centred
    std::int16_t logoVertical = 0;          // 0 top, 1 bottom, 2 centred
    std::int16_t logoEnabled = 0;
    std::int16_t logoHorizontalMargin = 10;  // pixels
    std::int16_t logoVerticalMargin = 10;    // pixels
    std::uint16_t displayOption = 0;
};

// Elements of the information block, in file order; a writer may stop after
// any of them from kLongEnglish on.
enum class InfoElement {
    kLongEnglish = 11,
    kShortEnglish = 12,
    kDisplayOption = 13,
    kTextB = 14,
    kVerticalMargin = 15,
    kOtherLanguages = 16,
    kItalian = 17,
    kPreview = 18,
};

}  // namespace piclib

#include "settings/PackedValues.h"

#include <cctype>
#include <climits>

namespace {

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Reads one "%d" at pos: blanks, optional sign, at least one digit. Advances
// pos past the number and returns true when one was there.
bool readNumber(const std::string& text, std::size_t& pos, int& out) {
    std::size_t p = pos;
    while (p < text.size() && isBlank(text[p])) {
        ++p;
    }
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    if (p >= text.size() || !std::isdigit(static_cast<unsigned char>(text[p]))) {
        return false;
    }
    long long value = 0;
    while (p < text.size() && std::isdigit(static_cast<unsigned char>(text[p]))) {
        if (value <= INT_MAX) {
            value = value * 10 + (text[p] - '0');
        }
        ++p;
    }
    value = negative ? -value : value;
    out = static_cast<int>(value < INT_MIN ? INT_MIN : (value > INT_MAX ? INT_MAX : value));
    pos = p;
    return true;
}

// Matches the separator between two fields.
bool readSeparator(const std::string& text, std::size_t& pos, char separator) {
    if (separator == ' ') {
        while (pos < text.size() && isBlank(text[pos])) {
            ++pos;
        }
        return true;
    }
    if (pos < text.size() && text[pos] == separator) {
        ++pos;
        return true;
    }
    return false;
}

}  // namespace

int ScanNumbers(const std::string& text, char separator, int* fields, int count) {
    std::size_t pos = 0;
    int read = 0;
    while (read < count) {
        if (read > 0 && !readSeparator(text, pos, separator)) {
            break;
        }
        int value = 0;
        if (!readNumber(text, pos, value)) {
            break;
        }
        fields[read++] = value;
    }
    return read;
}

int LeadingNumber(const char* text) {
    int value = 0;
    if (text != nullptr) {
        ScanNumbers(text, ',', &value, 1);
    }
    return value;
}

std::string FormatNumbers(const int* fields, int count, char separator) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            text += separator;
        }
        text += std::to_string(fields[i]);
    }
    return text;
}

COLORREF ParseColour(const std::string& text, COLORREF fallback) {
    int rgb[3] = {GetRValue(fallback), GetGValue(fallback), GetBValue(fallback)};
    ScanNumbers(text, ' ', rgb, 3);
    return RGB(rgb[0], rgb[1], rgb[2]);
}

std::string FormatColour(COLORREF colour) {
    const int rgb[3] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    return FormatNumbers(rgb, 3, ' ');
}

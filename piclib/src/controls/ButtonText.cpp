// Splitting a button's window text "number,caption".

#include "PictControls.h"

namespace piclib {

namespace {

// Reads an optionally signed decimal number at the start of text; returns
// the index after it, or -1 when there is none or it does not fit an int.
qsizetype readNumber(const QString& text, int& value) {
    qsizetype i = 0;
    const bool negative = text.startsWith(u'-');
    if (negative) {
        i = 1;
    }
    long long magnitude = 0;
    const qsizetype digitsFrom = i;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 0x80) {
        magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        if (magnitude > 0x7FFFFFFFLL) {
            return -1;
        }
        ++i;
    }
    if (i == digitsFrom) {
        return -1;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return i;
}

}  // namespace

ButtonText parseButtonText(const QString& text) {
    ButtonText result;
    int number = 0;
    const qsizetype end = readNumber(text, number);
    const bool numberThenComma = end >= 0 && (end == text.size() || text[end] == u',');
    if (!numberThenComma) {
        // Not of the form "number,caption": the text is all caption.
        result.caption = text;
        return result;
    }
    result.hasNumber = true;
    result.bitmap = number;
    if (end < text.size()) {
        result.caption = text.mid(end + 1);
    }
    return result;
}

}  // namespace piclib

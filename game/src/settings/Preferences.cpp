#include "settings/Preferences.h"

#include "settings/IniStore.h"
#include "settings/PackedValues.h"
#include "settings/SettingsKeys.h"

int Preferences::parse(const std::string& text) {
    int fields[kFieldCount];
    toArray(fields);
    const int read = ScanNumbers(text, ',', fields, kFieldCount);
    fromArray(fields);
    return read;
}

std::string Preferences::format() const {
    int fields[kFieldCount];
    toArray(fields);
    fields[0] = 0;
    return FormatNumbers(fields, kFieldCount, ',');
}

void Preferences::load() {
    parse(GetIniString(keys::kSettings, keys::kSettingsDefault));
}

void Preferences::save() const {
    WriteIniString(format().c_str(), keys::kSettings);
}

void Preferences::toArray(int* f) const {
    f[0] = reserved;
    f[1] = smallPieceLimit;
    f[2] = adjustOriginal;
    f[3] = onTopOnSnap;
    f[4] = moveAside;
    f[5] = autoScroll;
    f[6] = onTopOnMove;
    f[7] = dragBackground;
    f[8] = scoringOff;
    f[9] = loadingPriority;
}

void Preferences::fromArray(const int* f) {
    reserved = f[0];
    smallPieceLimit = f[1];
    adjustOriginal = f[2];
    onTopOnSnap = f[3];
    moveAside = f[4];
    autoScroll = f[5];
    onTopOnMove = f[6];
    dragBackground = f[7];
    scoringOff = f[8];
    loadingPriority = f[9];
}

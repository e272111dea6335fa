#include "SnapValues.h"

#include "IniStore.h"
#include "PackedValues.h"
#include "SettingsKeys.h"

namespace {

struct LevelKey {
    const char* key;
    const char* defaultText;
};

LevelKey levelKey(int level) {
    switch (level) {
        case 2:
            return {keys::kSnapBeginner, keys::kSnapBeginnerDefault};
        case 3:
            return {keys::kSnapNovice, keys::kSnapNoviceDefault};
        case 5:
            return {keys::kSnapExpert, keys::kSnapExpertDefault};
        default:
            return {keys::kSnapStandard, keys::kSnapStandardDefault};
    }
}

}  // namespace

SnapValues SnapValues::defaults(int level) {
    SnapValues values;
    values.parse(levelKey(level).defaultText);
    return values;
}

SnapValues SnapValues::load(int level) {
    const LevelKey key = levelKey(level);
    SnapValues values = defaults(level);
    values.parse(GetIniString(key.key, key.defaultText));
    return values;
}

int SnapValues::parse(const std::string& text) {
    int f[5] = {bonusPerJoin, minTolerance, maxTolerance, tolerancePercent, scoreFactor};
    const int read = ScanNumbers(text, ',', f, 5);
    bonusPerJoin = f[0];
    minTolerance = f[1];
    maxTolerance = f[2];
    tolerancePercent = f[3];
    scoreFactor = f[4];
    return read;
}

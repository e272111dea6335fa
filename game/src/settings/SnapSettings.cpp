#include "settings/SnapSettings.h"

#include "settings/IniStore.h"
#include "settings/PackedValues.h"
#include "settings/SettingsKeys.h"

namespace {

const char* levelKey(int level) {
    switch (level) {
        case 2:
            return keys::kSnapBeginner;
        case 3:
            return keys::kSnapNovice;
        case 5:
            return keys::kSnapExpert;
        default:
            return keys::kSnapStandard;
    }
}

}  // namespace

SnapValues SnapSettings::load(int level) {
    SnapValues values = SnapValues::defaults(level);
    int f[5] = {values.bonusPerJoin, values.minTolerance, values.maxTolerance,
                values.tolerancePercent, values.scoreFactor};
    ScanNumbers(GetIniString(levelKey(level), ""), ',', f, 5);
    values.bonusPerJoin = f[0];
    values.minTolerance = f[1];
    values.maxTolerance = f[2];
    values.tolerancePercent = f[3];
    values.scoreFactor = f[4];
    return values;
}

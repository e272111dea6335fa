#include "model/SnapValues.h"

SnapValues SnapValues::defaults(int level) {
    switch (level) {
        case 2:
            return {2, 12, 40, 100, 100};
        case 3:
            return {4, 7, 20, 50, 130};
        case 5:
            return {10, 2, 100, 20, 180};
        default:
            return {6, 3, 10, 10, 160};
    }
}

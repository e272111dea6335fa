#include "scores/GameResults.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string number(long v) {
    char text[32];
    std::snprintf(text, sizeof text, "%ld ", v);
    return text;
}

constexpr std::size_t kDescriptionLength = 100;

}  // namespace

double GameResults::rate(long pieces, long elapsedSeconds) {
    return static_cast<double>(pieces) * 60.0 / static_cast<double>(std::max(elapsedSeconds, 1L));
}

GameResults GameResults::make(const Input& in) {
    GameResults r;
    r.score = in.totalScore;
    const long s = std::max(in.elapsedSeconds, 0L);
    char text[64];
    std::snprintf(text, sizeof text, " %3d:%02d:%02d ", static_cast<int>(s / 3600),
                  static_cast<int>(s / 60 % 60), static_cast<int>(s % 60));
    r.time = text;
    r.pieces = number(in.pieceCount);
    std::snprintf(text, sizeof text, "%3.1f ", rate(in.pieceCount, s));
    r.piecesPerMinute = text;
    r.bonus = number(in.bonusSum);
    r.errors = number(in.misses * in.pointsPerMiss);
    r.picture = " " + in.description.substr(0, kDescriptionLength);
    r.savedGamePath = in.savedGamePath;
    return r;
}

std::string GameResults::pictureForTable() const {
    return picture.empty() ? picture : picture.substr(1);
}

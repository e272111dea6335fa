#pragma once

#include <string>

// What the results dialog shows of a finished game. The texts carry their
// trailing blank (the picture text a leading one) as the dialog lays them
// out.
struct GameResults {
    long score = 0;
    std::string time;             // " %3d:%02d:%02d "
    std::string pieces;           // "%ld "
    std::string piecesPerMinute;  // "%3.1f "
    std::string bonus;            // "%ld "
    std::string errors;           // "%ld "
    std::string picture;          // " " + short description
    std::string savedGamePath;    // empty when the game was never saved or restored

    struct Input {
        long totalScore = 0;
        long elapsedSeconds = 0;
        long pieceCount = 0;
        long bonusSum = 0;
        long misses = 0;
        long pointsPerMiss = 0;
        std::string description;  // the picture's short description
        std::string savedGamePath;
    };

    static GameResults make(const Input& in);

    // Pieces per minute. A game finished within its first second counts as
    // one second long, so the rate stays finite.
    static double rate(long pieces, long elapsedSeconds);
    // The picture text without its leading blank, as the table keeps it.
    std::string pictureForTable() const;
};

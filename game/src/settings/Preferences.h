#pragma once

#include <string>

// The program-wide preferences kept in the "Settings" value, in its field
// order. The member initialisers are the built-in defaults the program starts
// from before it reads the value; they differ from the default text (the
// threshold is 4 here, 8 in the text, and the last switches are off), and a
// stored value with fewer than ten numbers leaves the later fields at them.
struct Preferences {
    int reserved = 1;         // carried into saved games, always written as 0
    int smallPieceLimit = 4;  // "If there are more than" N "pieces"
    int adjustOriginal = 1;   // "Adjust original to window size"
    int onTopOnSnap = 1;      // smaller pieces on top "On snap"
    int moveAside = 0;        // "Move underlying pieces aside"
    int autoScroll = 1;       // "Automatic scroll"
    int onTopOnMove = 0;      // smaller pieces on top "On move"
    int dragBackground = 0;   // "Allow scrolling by dragging background"
    int scoringOff = 0;       // "Turn scoring display off"
    int loadingPriority = 2;  // 1 speed, 2 medium, 3 quality

    static constexpr int kFieldCount = 10;

    // Fills the fields from a "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d" text; returns how
    // many were read.
    int parse(const std::string& text);
    // The text written by "Save as Defaults": the first number is always 0.
    std::string format() const;

    // Reads the "Settings" value of the settings file over the current fields.
    void load();
    void save() const;

  private:
    void toArray(int* fields) const;
    void fromArray(const int* fields);
};

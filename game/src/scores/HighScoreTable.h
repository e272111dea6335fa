#pragma once

#include <array>
#include <ctime>
#include <functional>
#include <string>

// One row of the high-score table, as texts.
struct HighScoreRow {
    std::string name;
    std::string score;  // decimal, empty for 0
    std::string picture;
    std::string date;
    std::string pieces;
    std::string time;  // h:mm:ss

    bool operator==(const HighScoreRow&) const = default;
};

// The ten best results, row 0 the best, kept in the settings file under
// "Highscore1" to "Highscore10" of the default section as
// "[name,score,picture,date,pieces,time]". The file is the only lasting copy:
// every use loads the table, changes it and stores it back.
class HighScoreTable {
  public:
    static constexpr int kRows = 10;
    static constexpr int kMaxValue = 199;  // characters read per row
    static constexpr int kMaxName = 20;    // characters a player may type

    // The settings store as the table uses it (the program's settings file
    // by default).
    struct Io {
        std::function<std::string(const char* key, const char* def)> read;
        std::function<void(const char* key, const std::string& value)> write;
        static Io iniStore();
    };

    HighScoreTable() = default;
    explicit HighScoreTable(Io io) : io_(std::move(io)) {}

    void load();
    void store() const;

    const std::array<HighScoreRow, kRows>& rows() const { return rows_; }
    const HighScoreRow& row(int i) const { return rows_[static_cast<std::size_t>(i)]; }

    // 1-based place a score would take: the first row whose score is
    // smaller; 0 when none is (equal scores rank below older ones).
    int rank(long score) const;
    // Inserts the entry at its place, dated now; returns the row index or -1
    // when the score makes no place. The last row falls off.
    int insert(const std::string& name, long score, const std::string& picture, long pieces,
               const std::string& time);
    // The same with a given date text.
    int insertDated(const std::string& name, long score, const std::string& picture, long pieces,
                    const std::string& time, const std::string& date);
    // Takes the row out; an empty row enters at the end.
    void remove(int index);
    // Every field of every row empty.
    void clear();

    // A stored value cut into its fields.
    static HighScoreRow parse(const std::string& value);
    static std::string format(const HighScoreRow& row);
    // The date by the international date order: 1 day.month.year, 2
    // year.month.day, otherwise month/day/year; year counted from 1900.
    static std::string formatDate(const std::tm& date, int order);
    // Today's date by the system's "Intl" "iDate" setting.
    static std::string today();
    // A stored score read as a number; text that is no number gives 0.
    static long scoreValue(const std::string& text);

  private:
    Io io_ = Io::iniStore();
    std::array<HighScoreRow, kRows> rows_{};
};

#include "scores/HighScoreTable.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/Profile.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"

namespace {

std::string key(int row) {
    char text[24];
    std::snprintf(text, sizeof text, keys::kHighscoreFormat, row + 1);
    return text;
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The next field from pos: the text up to "," or "]", and pos moved past
// that character (or to the end).
std::string field(const std::string& s, std::size_t& pos) {
    if (pos >= s.size()) {
        return {};
    }
    const std::size_t end = std::min(s.find_first_of(",]", pos), s.size());
    std::string f = s.substr(pos, end - pos);
    pos = end + 1;
    return f;
}

// "," and "]" end a field when the row is read back; a name or picture text
// holding one would shift every later field, so they are replaced.
std::string fieldSafe(std::string s) {
    std::replace(s.begin(), s.end(), ',', ';');
    std::replace(s.begin(), s.end(), ']', ')');
    return s;
}

}  // namespace

HighScoreTable::Io HighScoreTable::Io::iniStore() {
    return {[](const char* k, const char* def) { return GetIniString(k, def, keys::kJigsaw); },
            [](const char* k, const std::string& value) {
                WriteIniString(value.c_str(), k, keys::kJigsaw);
            }};
}

void HighScoreTable::load() {
    for (int i = 0; i < kRows; ++i) {
        std::string value = io_.read(key(i).c_str(), keys::kHighscoreDefault);
        value.resize(std::min<std::size_t>(value.size(), kMaxValue));
        rows_[static_cast<std::size_t>(i)] = parse(value);
    }
}

void HighScoreTable::store() const {
    for (int i = 0; i < kRows; ++i) {
        io_.write(key(i).c_str(), format(row(i)));
    }
}

int HighScoreTable::rank(long score) const {
    for (int i = 0; i < kRows; ++i) {
        if (scoreValue(row(i).score) < score) {
            return i + 1;
        }
    }
    return 0;
}

int HighScoreTable::insert(const std::string& name, long score, const std::string& picture,
                           long pieces, const std::string& time) {
    return insertDated(name, score, picture, pieces, time, today());
}

int HighScoreTable::insertDated(const std::string& name, long score, const std::string& picture,
                                long pieces, const std::string& time, const std::string& date) {
    const int place = rank(score) - 1;
    if (place < 0) {
        return -1;
    }
    HighScoreRow entry;
    entry.name = fieldSafe(name.substr(0, kMaxValue));
    entry.score = score == 0 ? std::string() : std::to_string(score);
    entry.picture = fieldSafe(picture.substr(0, kMaxValue));
    entry.date = date;
    entry.pieces = std::to_string(pieces);
    entry.time = trimmed(time);
    std::move_backward(rows_.begin() + place, rows_.end() - 1, rows_.end());
    rows_[static_cast<std::size_t>(place)] = entry;
    return place;
}

void HighScoreTable::remove(int index) {
    if (index < 0 || index >= kRows) {
        return;
    }
    std::move(rows_.begin() + index + 1, rows_.end(), rows_.begin() + index);
    rows_.back() = HighScoreRow{};
}

void HighScoreTable::clear() {
    rows_.fill(HighScoreRow{});
}

HighScoreRow HighScoreTable::parse(const std::string& value) {
    std::size_t pos = 1;  // past the opening bracket
    HighScoreRow r;
    r.name = field(value, pos);
    r.score = field(value, pos);
    r.picture = field(value, pos);
    r.date = trimmed(field(value, pos));
    r.pieces = field(value, pos);
    r.time = trimmed(field(value, pos));
    return r;
}

std::string HighScoreTable::format(const HighScoreRow& r) {
    return "[" + r.name + "," + r.score + "," + r.picture + "," + r.date + "," + r.pieces + "," +
           r.time + "]";
}

std::string HighScoreTable::formatDate(const std::tm& date, int order) {
    char text[48];
    const int d = date.tm_mday;
    const int m = date.tm_mon + 1;
    const int y = date.tm_year;
    if (order == 1) {
        std::snprintf(text, sizeof text, "%i.%i.%i", d, m, y);
    } else if (order == 2) {
        std::snprintf(text, sizeof text, "%i.%i.%i", y, m, d);
    } else {
        std::snprintf(text, sizeof text, "%i/%i/%i", m, d, y);
    }
    return text;
}

std::string HighScoreTable::today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return formatDate(local, GetProfileIntA("Intl", "iDate", 0));
}

long HighScoreTable::scoreValue(const std::string& text) {
    return std::strtol(text.c_str(), nullptr, 10);
}

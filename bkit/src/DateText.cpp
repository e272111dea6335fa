#include <cstdio>
#include <ctime>

#include "BKIT32.h"
#include "bkit/DateFormat.h"
#include "platform/Profile.h"

namespace bkit {

int formatDate(char* buffer, const std::tm& date, int order) {
    const int day = date.tm_mday;
    const int month = date.tm_mon + 1;
    const int year = date.tm_year;
    int n = 0;
    if (order == 1) {
        n = std::snprintf(buffer, kDateTextSize, "%i.%i.%i", day, month, year);
    } else if (order == 2) {
        n = std::snprintf(buffer, kDateTextSize, "%i.%i.%i", year, month, day);
    } else {
        n = std::snprintf(buffer, kDateTextSize, "%i/%i/%i", month, day, year);
    }
    return n < 0 ? 0 : n;
}

}  // namespace bkit

extern "C" {

int StrCurrDate(char* buffer) {
    if (buffer == nullptr) {
        return 0;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return bkit::formatDate(buffer, local, GetProfileIntA("Intl", "iDate", 0));
}
}

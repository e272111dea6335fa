#include <cstdlib>
#include <cstring>

#include "BKIT32.h"
#include "BkitFixture.h"
#include "bkit/DateFormat.h"

namespace {

std::string format(int year, int month, int day, int order) {
    std::tm date{};
    date.tm_year = year - 1900;
    date.tm_mon = month - 1;
    date.tm_mday = day;
    char buf[bkit::kDateTextSize];
    const int n = bkit::formatDate(buf, date, order);
    EXPECT_EQ(n, static_cast<int>(std::strlen(buf)));
    return buf;
}

TEST(DateText, FollowsTheRegionalOrder) {
    EXPECT_EQ(format(1994, 12, 6, 0), "12/6/94");
    EXPECT_EQ(format(1994, 12, 6, 1), "6.12.94");
    EXPECT_EQ(format(1994, 12, 6, 2), "94.12.6");
    EXPECT_EQ(format(1994, 12, 6, 7), "12/6/94");
    EXPECT_EQ(format(2000, 1, 31, 0), "1/31/100");
    EXPECT_EQ(format(2001, 3, 4, 1), "4.3.101");
}

using CurrentDateTest = BkitFixture;

TEST_F(CurrentDateTest, TodayUsesTheSystemProfileOrder) {
    char buf[64];
    ::setenv("TESSELLA_IDATE", "1", 1);
    const int dotted = StrCurrDate(buf);
    EXPECT_EQ(dotted, static_cast<int>(std::strlen(buf)));
    EXPECT_NE(std::strchr(buf, '.'), nullptr);
    ::setenv("TESSELLA_IDATE", "0", 1);
    StrCurrDate(buf);
    EXPECT_NE(std::strchr(buf, '/'), nullptr);
    EXPECT_EQ(StrCurrDate(nullptr), 0);
}

}  // namespace

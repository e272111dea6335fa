#include <gtest/gtest.h>

#include <vector>

#include "platform/MessageBox.h"

namespace {

TEST(MessageBox, InterceptorSeesTheExactTextsAndAnswers) {
    std::vector<platform::MessageBoxRecord> seen;
    platform::setMessageBoxInterceptor([&](const platform::MessageBoxRecord& r) {
        seen.push_back(r);
        return IDNO;
    });
    EXPECT_EQ(MessageBoxA(nullptr, "Save game?", "Jigsaw", MB_YESNO | MB_ICONQUESTION), IDNO);
    platform::setMessageBoxInterceptor({});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Save game?");
    EXPECT_EQ(seen[0].caption, "Jigsaw");
    EXPECT_EQ(seen[0].flags, MB_YESNO | MB_ICONQUESTION);
}

TEST(MessageBox, WithoutAnApplicationTheDefaultButtonAnswers) {
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, nullptr, nullptr, MB_OK), IDOK);
}

TEST(MessageBox, BeepsAreCounted) {
    const int before = platform::beepCount();
    MessageBeep(0);
    MessageBeep(MB_ICONHAND);
    EXPECT_EQ(platform::beepCount(), before + 2);
}

}  // namespace

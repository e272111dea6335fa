#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <vector>

#include "TestApp.h"

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
    if (QCoreApplication::instance() != nullptr) {
        GTEST_SKIP() << "an earlier test made the application";
    }
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, nullptr, nullptr, MB_OK), IDOK);
}

// Presses the default button of the box that opens next and records its texts.
void answerNextBoxWithDefault(QString* text, QString* caption) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *text = box->text();
        *caption = box->windowTitle();
        box->defaultButton()->click();
    });
}

TEST(MessageBox, RealBoxShowsTheTextsAndItsDefaultButtonAnswers) {
    testApp();
    QString text;
    QString caption;
    answerNextBoxWithDefault(&text, &caption);
    EXPECT_EQ(MessageBoxA(nullptr, "Quit?", "Jigsaw", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(text, QStringLiteral("Quit?"));
    EXPECT_EQ(caption, QStringLiteral("Jigsaw"));
    answerNextBoxWithDefault(&text, &caption);
    EXPECT_EQ(MessageBoxA(nullptr, "Done", "Info", MB_OK | MB_ICONINFORMATION), IDOK);
    answerNextBoxWithDefault(&text, &caption);
    EXPECT_EQ(MessageBoxA(nullptr, "Save?", "Jigsaw", MB_YESNOCANCEL), IDYES);
}

TEST(MessageBox, BeepsAreCounted) {
    const int before = platform::beepCount();
    MessageBeep(0);
    MessageBeep(MB_ICONHAND);
    EXPECT_EQ(platform::beepCount(), before + 2);
}

}  // namespace

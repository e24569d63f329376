#include "platform/shell/MessageBox.h"

#include <gtest/gtest.h>

#include "tests/platform/shell/QtTestApp.h"

namespace {

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApp();
        MessageBoxScript::Begin();
    }
    void TearDown() override { MessageBoxScript::End(); }
};

TEST_F(MessageBoxTest, QueuedAnswersAreGivenInOrderAndBoxesAreRecorded)
{
    MessageBoxScript::QueueAnswer(IDNO);
    MessageBoxScript::QueueAnswer(IDYES);

    EXPECT_EQ(MessageBox(nullptr, QStringLiteral("first"), QStringLiteral("Dayvane"),
                         MB_YESNOCANCEL | MB_ICONQUESTION),
              IDNO);
    EXPECT_EQ(MessageBox(nullptr, QStringLiteral("second"), QStringLiteral("Dayvane"),
                         MB_YESNO | MB_ICONQUESTION),
              IDYES);
    EXPECT_EQ(MessageBoxScript::PendingAnswers(), 0);

    const auto& shown = MessageBoxScript::Shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].caption, QStringLiteral("Dayvane"));
    EXPECT_EQ(shown[0].text, QStringLiteral("first"));
    EXPECT_EQ(shown[0].icon, MB_ICONQUESTION);
    EXPECT_EQ(shown[0].buttons, MB_YESNOCANCEL);
    EXPECT_EQ(shown[0].answer, IDNO);
    EXPECT_EQ(shown[1].buttons, MB_YESNO);
}

TEST_F(MessageBoxTest, EmptyScriptGivesTheAnswerThatDoesNothing)
{
    EXPECT_EQ(MessageBox(nullptr, {}, {}, MB_YESNOCANCEL | MB_ICONQUESTION), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, {}, {}, MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBox(nullptr, {}, {}, MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, {}, {}, MB_OK | MB_ICONERROR), IDOK);
}

TEST_F(MessageBoxTest, AnswerWithoutItsButtonIsUsedUpAndReplaced)
{
    MessageBoxScript::QueueAnswer(IDYES);
    MessageBoxScript::QueueAnswer(IDYES);
    EXPECT_EQ(MessageBox(nullptr, {}, {}, MB_OK | MB_ICONEXCLAMATION), IDOK);
    EXPECT_EQ(MessageBox(nullptr, {}, {}, MB_YESNO), IDYES);
    // Unknown flag bits still give a box with a known icon and buttons.
    MessageBox(nullptr, {}, {}, 0x0000000Fu | 0x000000F0u);
    EXPECT_EQ(MessageBoxScript::Shown().back().buttons, MB_OK);
    EXPECT_EQ(MessageBoxScript::Shown().back().icon, 0u);
}

TEST(MessageBoxWithoutScript, NeverWaitsWithoutAScreen)
{
    TestApp();
    ASSERT_FALSE(MessageBoxScript::IsActive());
    // The tests run offscreen: a real box would wait for ever.
    EXPECT_EQ(MessageBox(nullptr, QStringLiteral("?"), QStringLiteral("Dayvane"), MB_YESNO), IDNO);
}

}  // namespace

#include "resources/Strings.h"

#include <gtest/gtest.h>

namespace {

TEST(StringsTest, TextsAreFoundByTheirIds)
{
    EXPECT_EQ(LoadString(IDS_PRODUCT_NAME), QStringLiteral("Dayvane"));
    EXPECT_EQ(LoadString(143), QStringLiteral("전체 되풀이 항목을 편집하시겠습니까?"));
    EXPECT_EQ(LoadString(175),
              QStringLiteral("죄송합니다. 반복일정의 복사 및 이동 기능은 지원하지 않습니다."));
    EXPECT_EQ(LoadString(306), QStringLiteral("취소"));
    EXPECT_EQ(LoadString(310), QStringLiteral("완료"));
    EXPECT_TRUE(LoadString(129).isEmpty());
    EXPECT_TRUE(LoadString(-1).isEmpty());
    for (int id : StringIds())
        EXPECT_FALSE(LoadString(id).isEmpty()) << id;
}

TEST(StringsTest, TitleGoesIntoTheDeleteQuestionLiterally)
{
    EXPECT_EQ(FormatString(IDS_DELETE_ITEM, {QStringLiteral("회의")}),
              QStringLiteral("선택한 항목이 영구적으로 삭제됩니다. 다음 항목을 삭제하시겠습니까?\n\n\"회의\""));
    // A title that itself looks like a placeholder stays as it is.
    EXPECT_TRUE(FormatString(IDS_DELETE_RECURRING, {QStringLiteral("50%s %d %1")})
                    .endsWith(QStringLiteral("\n\n\"50%s %d %1\"")));
    EXPECT_TRUE(FormatString(IDS_DELETE_ITEM, {}).endsWith(QStringLiteral("\"%s\"")));
    EXPECT_EQ(FormatString(IDS_KEY_OK, {QStringLiteral("unused")}), QStringLiteral("확인"));
}

}  // namespace

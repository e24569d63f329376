#include "resources/Artwork.h"

#include <gtest/gtest.h>

#include "platform/shell/Density.h"
#include "tests/platform/shell/QtTestApp.h"

namespace {

TEST(ArtworkTest, EveryButtonHasAnImageInEverySetSizedForItsDensity)
{
    TestApp();
    constexpr std::array kDpi{96, 128, 192};
    for (int set = 0; set < kImageSetCount; ++set) {
        for (int command : kButtonRowCommands) {
            const int id = ButtonBitmapId(command, set);
            ASSERT_NE(id, 0) << command;
            const QPixmap image = LoadAppBitmap(id);
            ASSERT_FALSE(image.isNull()) << id;
            EXPECT_EQ(image.height(), ScaleForDpi(21, kDpi[set])) << id;
        }
    }
    EXPECT_EQ(ButtonBitmapId(32781, 0), 102);
    EXPECT_EQ(ButtonBitmapId(1209, 2), 280);
    EXPECT_EQ(LoadAppBitmap(ButtonBitmapId(1205, 1)).width(), ScaleForDpi(32, 128));
    EXPECT_EQ(ButtonBitmapId(32838, 0), 0);
    EXPECT_EQ(ButtonBitmapId(1205, 3), 0);
    EXPECT_TRUE(LoadAppBitmap(4242).isNull());
}

TEST(ArtworkTest, ButtonImageFollowsTheDeviceDensity)
{
    TestApp();
    ASSERT_TRUE(SetDeviceDpi(96, 96));
    EXPECT_EQ(ButtonBitmap(1206).size(), QSize(21, 21));
    ASSERT_TRUE(SetDeviceDpi(192, 192));
    EXPECT_EQ(ButtonBitmap(1206).size(), QSize(42, 42));
    EXPECT_TRUE(ButtonBitmap(1).isNull());
    EXPECT_FALSE(ApplicationIcon().isNull());
    EXPECT_FALSE(ApplicationIcon().pixmap(32, 32).isNull());
}

TEST(ArtworkTest, ButtonRowKeepsItsScaledPlacesBetweenTheImageSets)
{
    TestApp();
    // 96 dpi sizes and places of the row's first buttons: menu, today, add.
    const std::array<std::pair<int, int>, 3> row{{{1205, 0}, {32781, 32}, {1206, 74}}};
    for (int dpi : {72, 110, 144, 168, 240}) {
        int rightOfPrevious = 0;
        for (const auto& [command, left] : row) {
            const QPixmap image = ButtonBitmapForDensity(command, dpi, dpi);
            ASSERT_FALSE(image.isNull()) << dpi << " " << command;
            EXPECT_EQ(image.height(), ScaleForDpi(21, dpi)) << dpi;
            EXPECT_LE(rightOfPrevious, ScaleForDpi(left, dpi)) << dpi << " " << command;
            rightOfPrevious = ScaleForDpi(left, dpi) + image.width();
        }
    }
    // The drawn sets stay as they are on the screens they were made for.
    for (const auto& [dpi, set] : {std::pair{96, 0}, std::pair{131, 1}, std::pair{192, 2}}) {
        for (int command : kButtonRowCommands)
            EXPECT_EQ(ButtonBitmapForDensity(command, dpi, dpi).toImage(),
                      LoadAppBitmap(ButtonBitmapId(command, set)).toImage())
                << dpi << " " << command;
    }
}

}  // namespace

#include "platform/shell/Density.h"

#include <gtest/gtest.h>

namespace {

class DensityTest : public ::testing::Test {
protected:
    void TearDown() override { SetDeviceDpi(kDefaultDeviceDpi, kDefaultDeviceDpi); }
};

TEST_F(DensityTest, ScalesEachAxisWithItsOwnDpi)
{
    EXPECT_EQ(DeviceDpiX(), 192);
    EXPECT_EQ(ScaleX(16), 32);
    EXPECT_EQ(ScaleX(15), 30);

    ASSERT_TRUE(SetDeviceDpi(131, 96));
    EXPECT_EQ(ScaleX(22), 30);
    EXPECT_EQ(ScaleY(22), 22);
    EXPECT_EQ(ScaleX(0), 0);
}

TEST_F(DensityTest, ImplausibleDensityIsRefused)
{
    EXPECT_FALSE(SetDeviceDpi(0, 96));
    EXPECT_FALSE(SetDeviceDpi(96, 100000));
    EXPECT_EQ(DeviceDpiX(), 192);
    EXPECT_EQ(DeviceDpiY(), 192);
}

TEST_F(DensityTest, ImageSetBoundaries)
{
    EXPECT_EQ(ImageSetForDpi(96), 0);
    EXPECT_EQ(ImageSetForDpi(97), 1);
    EXPECT_EQ(ImageSetForDpi(131), 1);
    EXPECT_EQ(ImageSetForDpi(132), 2);
    ASSERT_TRUE(SetDeviceDpi(128, 128));
    EXPECT_EQ(DeviceImageSet(), 1);
}

}  // namespace

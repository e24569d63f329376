#include "platform/shell/ImageFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/platform/shell/QtTestApp.h"

namespace {

// A 1 x 1 white GIF (Qt reads GIF but does not write it).
const QByteArray kTinyGif = QByteArray::fromHex(
    "474946383961" "01000100" "800000" "ffffff000000" "21f9040100000000"
    "2c000000000100010000" "0202440100" "3b");

class ImageFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApp();
        ASSERT_TRUE(dir.isValid());
    }

    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray Encoded(const char* format)
    {
        QImage image(7, 5, QImage::Format_RGB32);
        image.fill(Qt::red);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    }

    QTemporaryDir dir;
};

TEST_F(ImageFileTest, ReadsBmpGifAndPngByContent)
{
    EXPECT_EQ(LoadImageFile(Write("a.png", Encoded("PNG"))).size(), QSize(7, 5));
    EXPECT_EQ(LoadImageFile(Write("b.bmp", Encoded("BMP"))).size(), QSize(7, 5));
    EXPECT_EQ(LoadImageFile(Write("c.gif", kTinyGif)).size(), QSize(1, 1));
    // The name does not matter, the content does.
    EXPECT_FALSE(LoadImageFile(Write("d.bmp", Encoded("PNG"))).isNull());
    EXPECT_FALSE(LoadImageFilePixmap(Write("e.png", Encoded("PNG"))).isNull());
}

TEST_F(ImageFileTest, BadFilesGiveANullImage)
{
    const QByteArray png = Encoded("PNG");
    EXPECT_TRUE(LoadImageFile(dir.filePath("missing.png")).isNull());
    EXPECT_TRUE(LoadImageFile(Write("cut.png", png.left(png.size() / 2))).isNull());
    EXPECT_TRUE(LoadImageFile(Write("noise.png", QByteArray(300, '\x5a'))).isNull());
    EXPECT_TRUE(LoadImageFile(Write("empty.gif", {})).isNull());
    EXPECT_TRUE(LoadImageFile(Write("photo.jpg", Encoded("JPEG"))).isNull());
    EXPECT_TRUE(LoadImageFile(dir.path()).isNull());
    EXPECT_TRUE(LoadImageFilePixmap(dir.filePath("missing.png")).isNull());
}

TEST_F(ImageFileTest, HugePictureIsRefusedBeforeDecoding)
{
    // A BMP header that promises 60000 x 60000 pixels of 24 bits.
    QByteArray bmp = Encoded("BMP");
    const auto put32 = [&bmp](int at, qint32 value) {
        for (int i = 0; i < 4; ++i)
            bmp[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put32(18, 60000);
    put32(22, 60000);
    EXPECT_TRUE(LoadImageFile(Write("huge.bmp", bmp)).isNull());
}

}  // namespace

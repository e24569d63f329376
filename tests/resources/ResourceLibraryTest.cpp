#include "resources/ResourceLibrary.h"

#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/platform/shell/QtTestApp.h"

namespace {

class ResourceLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApp();
        // Damaged pictures are expected below; their warnings are noise.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio=false"));
        ASSERT_TRUE(dir.isValid());
    }

    QByteArray BundleBytes(int number)
    {
        const auto library = ResourceLibrary::Load(QStringLiteral("VaneLoRes%1.rcc").arg(number));
        if (library == nullptr)
            return {};
        QFile file(library->FilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(ResourceLibraryTest, BundlesHoldTheMarksAtTheirSizes)
{
    const std::array leadWidths{12, 16, 24};
    const std::array heights{11, 15, 22};
    std::vector<std::unique_ptr<ResourceLibrary>> loaded;
    for (int number = 1; number <= 3; ++number) {
        auto library = ResourceLibrary::Load(QStringLiteral("VaneLoRes%1.rcc").arg(number));
        ASSERT_NE(library, nullptr) << number;
        for (int id = 101; id <= 115; ++id) {
            const QPixmap mark = library->Bitmap(id);
            ASSERT_FALSE(mark.isNull()) << number << " " << id;
            EXPECT_EQ(mark.height(), heights[number - 1]) << id;
        }
        EXPECT_EQ(library->Bitmap(102).width(), leadWidths[number - 1]);
        EXPECT_EQ(library->Bitmap(105).width(), library->Bitmap(114).width());
        EXPECT_TRUE(library->Bitmap(116).isNull());
        EXPECT_TRUE(library->Bitmap(-1).isNull());
        // All three stay usable side by side.
        loaded.push_back(std::move(library));
    }
    EXPECT_FALSE(loaded[0]->Bitmap(101).isNull());
}

TEST_F(ResourceLibraryTest, BundleFollowsTheWeekFontSize)
{
    EXPECT_EQ(ResourceLibrary::FileNameForWeekFontSize(10), QStringLiteral("VaneLoRes1.rcc"));
    EXPECT_EQ(ResourceLibrary::FileNameForWeekFontSize(11), QStringLiteral("VaneLoRes1.rcc"));
    EXPECT_EQ(ResourceLibrary::FileNameForWeekFontSize(12), QStringLiteral("VaneLoRes2.rcc"));
    EXPECT_EQ(ResourceLibrary::FileNameForWeekFontSize(14), QStringLiteral("VaneLoRes2.rcc"));
    EXPECT_EQ(ResourceLibrary::FileNameForWeekFontSize(15), QStringLiteral("VaneLoRes3.rcc"));
    const auto library = ResourceLibrary::LoadForWeekFontSize(18);
    ASSERT_NE(library, nullptr);
    EXPECT_TRUE(library->FilePath().endsWith(QStringLiteral("VaneLoRes3.rcc")));
}

TEST_F(ResourceLibraryTest, MissingOrForeignFilesAreNotLoaded)
{
    EXPECT_EQ(ResourceLibrary::Load(QStringLiteral("VaneLoRes9.rcc")), nullptr);
    EXPECT_EQ(ResourceLibrary::Load(QString()), nullptr);
    EXPECT_EQ(ResourceLibrary::Load(dir.filePath(QStringLiteral("none.rcc"))), nullptr);
    EXPECT_EQ(ResourceLibrary::Load(dir.path()), nullptr);
    EXPECT_EQ(ResourceLibrary::Load(Write(QStringLiteral("empty.rcc"), {})), nullptr);
    EXPECT_EQ(ResourceLibrary::Load(Write(QStringLiteral("text.rcc"), "qres is not enough")),
              nullptr);
}

TEST_F(ResourceLibraryTest, DamagedBundleFailsCleanly)
{
    const QByteArray good = BundleBytes(1);
    ASSERT_GT(good.size(), 100);
    const auto copy = ResourceLibrary::Load(Write(QStringLiteral("copy.rcc"), good));
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(copy->Bitmap(110).isNull());

    for (qsizetype cut : {qsizetype{24}, good.size() / 2, good.size() - 1})
        EXPECT_EQ(ResourceLibrary::Load(Write(QStringLiteral("cut.rcc"), good.left(cut))), nullptr);

    // Damage anywhere either refuses the bundle or leaves it readable; it
    // never brings the program down.
    // The header and the tree (written last) are damaged byte by byte, the
    // names and pictures here and there.
    const qsizetype treeStart = good.size() - 17 * 22;
    int refused = 0;
    for (qsizetype at = 4; at < good.size(); at += (at < 24 || at >= treeStart) ? 1 : 41) {
        QByteArray bad = good;
        bad[at] = static_cast<char>(bad[at] ^ 0xA5);
        // A new file each time: rewriting one file waits for the disk.
        const QString path = Write(QStringLiteral("bad%1.rcc").arg(at), bad);
        const auto library = ResourceLibrary::Load(path);
        if (library == nullptr) {
            ++refused;
            continue;
        }
        for (int id : {101, 108, 115})
            library->Bitmap(id);
    }
    EXPECT_GT(refused, 0);
}

}  // namespace

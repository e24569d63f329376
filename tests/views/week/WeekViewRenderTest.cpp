// Renders a busy week to PNG files for looking at (set DAYVANE_WEEK_PNG_DIR);
// without it, only checks that the render has the parts it should.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "tests/views/week/SampleAgenda.h"
#include "tests/views/week/WeekTestSupport.h"
#include "views/week/WeekView.h"

namespace {

struct RenderCase {
    const char* name;
    int dpi;
    QSize size;
    int fontSize;
    const char* bundle;  // empty: drawn without pictures
    bool multiline = false;
    bool sundayAsStart = false;
};

TEST(WeekViewRender, BusyWeekAtEachDensity) {
    EnsureTestApplication();
    const QString outDir = qEnvironmentVariable("DAYVANE_WEEK_PNG_DIR");
    for (const RenderCase& c : {RenderCase{"192-portrait", 192, {480, 640}, 18, "VaneLoRes3.rcc"},
                                RenderCase{"192-landscape", 192, {640, 480}, 18, "VaneLoRes3.rcc"},
                                RenderCase{"131-portrait", 131, {328, 437}, 12, "VaneLoRes2.rcc"},
                                RenderCase{"96-portrait", 96, {240, 320}, 10, "VaneLoRes1.rcc"},
                                RenderCase{"192-multiline-sunday", 192, {480, 640}, 18,
                                           "VaneLoRes3.rcc", true, true},
                                RenderCase{"192-no-pictures", 192, {480, 640}, 18, ""}}) {
        DensityScope density(c.dpi, c.dpi);
        ClockScope clock("2009-09-30T10:00:00");
        QTemporaryDir folder;
        FakeWeekHost host;
        host.settings.m_24hour = 1;
        host.settings.m_BoldAllDayEvent = 1;
        host.settings.m_BoldImportantTask = 1;
        host.settings.m_WeekFontSize = c.fontSize;
        host.settings.m_ShowCalendar = c.size.width() < c.size.height() ? 1 : 0;
        host.settings.m_Multiline = c.multiline ? 1 : 0;
        host.settings.m_SundayAsStart = c.sundayAsStart ? 1 : 0;
        host.library = *c.bundle != 0 ? ResourceLibrary::Load(c.bundle) : nullptr;
        FillSampleAgenda(host, folder.path().toStdString());
        host.SetCurrentDate(At(2009, 9, 30, 10));

        CWeekView view(host);
        view.resize(c.size);
        view.Reload(1);
        view.RenderOffscreen();
        const QImage& image = view.OffscreenImage();
        ASSERT_EQ(image.size(), c.size) << c.name;
        // 추석 (Saturday) with its neighbour marks on Friday and Sunday.
        const int friday = c.sundayAsStart ? 5 : 4;
        EXPECT_EQ(view.CellEntries(friday + 1).front().bodyText, "추석") << c.name;
        EXPECT_EQ(view.CellEntries(friday).front().bodyText, "추석이전") << c.name;
        if (!outDir.isEmpty())
            image.save(QDir(outDir).filePath(QStringLiteral("week-%1.png").arg(c.name)));
    }
}

}  // namespace


// The options command driven through the frame with the real sheet, answered
// by scripted taps while it runs modally.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QTabWidget>
#include <QTimer>

#include <functional>

#include "app/EditorDialogs.h"
#include "app/MainFrame.h"
#include "editors/AnniversaryDlg.h"
#include "editors/OptionDlg.h"
#include "editors/OptionPages.h"
#include "resources/CommandIds.h"
#include "settings/CRegistry.h"
#include "settings/SettingsKeys.h"
#include "tests/app/AppTestSupport.h"

namespace {

int32_t Stored(const char* name) { return CRegistry().GetInt(kSettingsRoot, kSettingsKey, name, -1); }

class OptionsThroughFrameTest : public DeviceTest {
protected:
    CMainFrame& Start()
    {
        m_frame = std::make_unique<CMainFrame>(QSize(480, 640));
        m_frame->SetDialogs(std::make_unique<EditorDialogs>(m_frame->GetSettings()));
        EXPECT_TRUE(m_frame->Create()) << m_frame->StartupError().toStdString();
        m_frame->show();
        return *m_frame;
    }

    // Runs the options command; `answer` acts on the sheet once it is up.
    void RunOptions(const std::function<void(COptionDlg&)>& answer)
    {
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto* sheet = qobject_cast<COptionDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(sheet, nullptr);
            answered = true;
            answer(*sheet);
        });
        m_frame->OnCommand(ID_OPTIONS);
        EXPECT_TRUE(answered);
    }

    static QCheckBox* Check(COptionDlg& sheet, int id) { return sheet.findChild<QCheckBox*>(ControlName(id)); }

    std::unique_ptr<CMainFrame> m_frame;
};

TEST_F(OptionsThroughFrameTest, SundayStartRebuildsTheWeekAndRaisesBothFlags)
{
    CMainFrame& frame = Start();
    CRegistry().SetInt(kSettingsRoot, kSettingsKey, SettingName::kTodayEventChanged, 0);
    CRegistry().SetInt(kSettingsRoot, kSettingsKey, SettingName::kTodayTaskChanged, 0);
    ASSERT_EQ(frame.WeekStart(), TimeFromFields(2026, 12, 7, 0, 0, 0));  // Monday

    RunOptions([](COptionDlg& sheet) {
        Check(sheet, IDC_OPT_SUNDAY_AS_START)->click();
        Check(sheet, IDC_OPT_USE_SOFT_KEY)->click();
        sheet.Command(ID_DIALOG_OK);
    });
    EXPECT_EQ(frame.WeekStart(), TimeFromFields(2026, 12, 6, 0, 0, 0));  // the Sunday before
    EXPECT_EQ(frame.GetSettings().m_SundayAsStart, 1);
    EXPECT_EQ(Stored(SettingName::kSundayAsStart), 1);
    EXPECT_EQ(Stored(SettingName::kTodayEventChanged), 1);
    EXPECT_EQ(Stored(SettingName::kTodayTaskChanged), 1);
    EXPECT_EQ(Stored(SettingName::kUseSoftKey), 1);
    EXPECT_EQ(frame.GetSettings().m_UseSoftKey, 0);  // only at the next start
}

TEST_F(OptionsThroughFrameTest, CancelLeavesFrameAndRegistryAsTheyWere)
{
    CMainFrame& frame = Start();
    const TimeValue weekStart = frame.WeekStart();
    RunOptions([](COptionDlg& sheet) {
        Check(sheet, IDC_OPT_SUNDAY_AS_START)->click();
        sheet.Command(ID_DIALOG_CANCEL);
    });
    EXPECT_EQ(frame.WeekStart(), weekStart);
    EXPECT_EQ(frame.GetSettings().m_SundayAsStart, 0);
    EXPECT_EQ(Stored(SettingName::kSundayAsStart), -1);
    EXPECT_EQ(Stored(SettingName::kTodayEventChanged), -1);
    EXPECT_EQ(Stored(SettingName::kTodayTaskChanged), -1);
}

}  // namespace

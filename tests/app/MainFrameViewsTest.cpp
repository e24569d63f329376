// The frame with its month view and anniversary list: switching by command
// and key, the caption, and the item commands on a selected anniversary.
#include <gtest/gtest.h>

#include <QTest>

#include "app/MainFrame.h"
#include "calendar/AnniversaryFile.h"
#include "platform/device/DeviceDirectory.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/SoftKeyBar.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "resources/Strings.h"
#include "settings/CRegistry.h"
#include "settings/ChangeFlags.h"
#include "settings/SettingsKeys.h"
#include "tests/app/AppTestSupport.h"
#include "views/anniversary/AnniversaryView.h"
#include "views/month/MonthViewLunar.h"

namespace {

class MainFrameViewsTest : public DeviceTest {
protected:
    CMainFrame& Start(QSize size = {480, 640})
    {
        m_frame = std::make_unique<CMainFrame>(size);
        m_frame->SetDialogs(std::make_unique<RecordingDialogs>());
        EXPECT_TRUE(m_frame->Create()) << m_frame->StartupError().toStdString();
        m_frame->show();
        return *m_frame;
    }
    // Runs the commands the views posted.
    void RunPosted() { QCoreApplication::sendPostedEvents(m_frame.get()); }
    void Key(Qt::Key key)
    {
        QTest::keyClick(m_frame->ActiveView(), key);
        RunPosted();
    }
    QString LastMessage() const
    {
        return MessageBoxScript::Shown().empty() ? QString() : MessageBoxScript::Shown().back().text;
    }

    std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace

TEST_F(MainFrameViewsTest, CommandsAndKeysSwitchBetweenTheViews)
{
    CMainFrame& frame = Start();
    Key(Qt::Key_M);
    ASSERT_NE(frame.MonthLunarView(), nullptr);
    EXPECT_EQ(frame.ViewKind(), kViewKindMonthLunar);
    EXPECT_EQ(frame.ActiveView()->geometry(), frame.ViewRect());
    Key(Qt::Key_N);
    ASSERT_NE(frame.AnniversaryView(), nullptr);
    Key(Qt::Key_M);
    EXPECT_EQ(frame.ViewKind(), kViewKindMonthLunar);
    Key(Qt::Key_W);
    EXPECT_EQ(frame.ViewKind(), kViewKindWeek);
    frame.OnCommand(ID_VIEW_ANNIVERSARIES);
    EXPECT_EQ(frame.ViewKind(), kViewKindAnniversaries);
    frame.OnCommand(ID_VIEW_MONTH_LUNAR);
    EXPECT_EQ(frame.ViewKind(), kViewKindMonthLunar);
    EXPECT_EQ(frame.findChildren<CViewEx*>().size(), 1);
    EXPECT_TRUE(MessageBoxScript::Shown().empty());

    // The button row pages the month view by month.
    frame.OnCommand(IDC_BUTTON_NEXT);
    EXPECT_EQ(frame.MonthLunarView()->Cells()[4].date, (SolarDate{2027, 1, 1}));
}

TEST_F(MainFrameViewsTest, MTogglesBetweenTheTwoMonthViews)
{
    CMainFrame& frame = Start();
    frame.OnCommand(ID_VIEW_MONTH_LUNAR);
    Key(Qt::Key_M);
    ASSERT_NE(frame.MonthWeatherView(), nullptr);
    EXPECT_EQ(frame.ViewKind(), kViewKindMonthWeather);
    Key(Qt::Key_M);
    EXPECT_EQ(frame.ViewKind(), kViewKindMonthLunar);
    EXPECT_TRUE(MessageBoxScript::Shown().empty());

    const MenuDesc views = frame.ButtonPopup(IDC_BUTTON_VIEWS);
    ASSERT_EQ(views.size(), 4u);
    EXPECT_EQ(views[3].id, ID_VIEW_MONTH_WEATHER);
    EXPECT_TRUE(views[3].enabled);
}

TEST_F(MainFrameViewsTest, SoftKeyMenuIsFilledByEachView)
{
    CRegistry().SetInt(kSettingsRoot, kSettingsKey, SettingName::kUseSoftKey, 1);
    CMainFrame& frame = Start();
    QMenu* left = frame.MenuBar()->Popup(SoftKeyBar::Key::Left);
    EXPECT_TRUE(FindCommand(*left, ID_VIEW_MONTH_WEATHER)->isEnabled());
    EXPECT_TRUE(FindCommand(*left, ID_VIEW_MONTH_LUNAR)->isEnabled());
    frame.OnCommand(ID_VIEW_MONTH_LUNAR);
    QMenu* right = frame.MenuBar()->Popup(SoftKeyBar::Key::Right);
    EXPECT_EQ(CommandIdsOf(*right), CommandIdsOf(MonthLunarViewSoftKeyMenu()));
    frame.OnCommand(ID_VIEW_MONTH_WEATHER);
    EXPECT_EQ(CommandIdsOf(*right), CommandIdsOf(MonthWeatherViewSoftKeyMenu()));
    frame.OnCommand(ID_VIEW_ANNIVERSARIES);
    EXPECT_EQ(CommandIdsOf(*right), CommandIdsOf(AnniversaryViewSoftKeyMenu()));
}

TEST_F(MainFrameViewsTest, LandscapeCaptionFollowsTheActiveView)
{
    CMainFrame& frame = Start({640, 480});
    const QString week = frame.windowTitle();
    EXPECT_NE(week, LoadString(IDS_PRODUCT_NAME));
    frame.OnCommand(ID_VIEW_MONTH_WEATHER);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("2026/12"));
    frame.OnCommand(ID_VIEW_MONTH_LUNAR);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("2026/12"));
    Key(Qt::Key_S);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("2026/11"));
    frame.OnCommand(ID_GO_TODAY);
    frame.OnCommand(ID_VIEW_ANNIVERSARIES);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("2026/12/09"));
    frame.OnCommand(ID_VIEW_WEEK);
    EXPECT_EQ(frame.windowTitle(), week);

    // Portrait keeps the product name: the title is drawn in the view.
    m_frame.reset();
    CMainFrame& portrait = Start();
    portrait.OnCommand(ID_VIEW_MONTH_LUNAR);
    EXPECT_EQ(portrait.windowTitle(), LoadString(IDS_PRODUCT_NAME));
}

TEST_F(MainFrameViewsTest, DeletingTheSelectedAnniversaryAsksThenSaves)
{
    // Records only: no computed holiday row among them.
    CRegistry().SetInt(kSettingsRoot, kSettingsKey, SettingName::kShowHolidays, 0);
    CMainFrame& frame = Start();
    frame.OnCommand(ID_VIEW_ANNIVERSARIES);
    CAnniversaryView* view = frame.AnniversaryView();
    ASSERT_NE(view, nullptr);
    const size_t before = frame.Anniversaries().Count();
    ASSERT_GT(before, 1u);
    const AnniversaryOccurrence selected = *view->GetSelectedAnniversary();
    const Anniversary record = frame.Anniversaries().At(static_cast<size_t>(selected.index));
    TakeChangeFlag(SettingName::kTodayEventChanged);

    // No: the file stays as it was.
    MessageBoxScript::QueueAnswer(IDNO);
    frame.OnCommand(ID_DELETE_ITEM);
    EXPECT_EQ(LastMessage(), FormatString(IDS_DELETE_ITEM, {QString::fromStdString(selected.name)}));
    EXPECT_EQ(frame.Anniversaries().Count(), before);

    MessageBoxScript::QueueAnswer(IDYES);
    frame.OnCommand(ID_DELETE_ITEM);
    EXPECT_EQ(frame.Anniversaries().Count(), before - 1);
    EXPECT_EQ(view->List().Count(), static_cast<int>(before - 1));
    EXPECT_TRUE(TakeChangeFlag(SettingName::kTodayEventChanged));
    AnniversaryList reloaded;
    ASSERT_EQ(LoadAnniversaries(reloaded, ProgramFolder().string()), 1);
    EXPECT_EQ(reloaded.Count(), before - 1);
    for (size_t i = 0; i < reloaded.Count(); ++i) {
        const Anniversary& kept = reloaded.At(i);
        EXPECT_FALSE(kept.name == record.name && kept.month == record.month && kept.day == record.day);
    }
}

TEST_F(MainFrameViewsTest, ClipboardKindThreeAndEditOnAnAnniversary)
{
    CMainFrame& frame = Start();
    frame.OnCommand(ID_VIEW_ANNIVERSARIES);
    QTest::keyClick(frame.ActiveView(), Qt::Key_Down);
    const AnniversaryOccurrence selected = *frame.AnniversaryView()->GetSelectedAnniversary();
    const std::string file = ReadWholeFile(ProgramFolder() / "anniversary.dat");

    frame.OnCommand(ID_EDIT_CUT);
    EXPECT_EQ(frame.ClipOid(), selected.index);
    EXPECT_EQ(frame.ClipType(), 3);
    EXPECT_EQ(frame.ClipCut(), 1);
    frame.OnCommand(ID_EDIT_COPY);
    EXPECT_EQ(frame.ClipCut(), 0);
    // Pasting an anniversary only empties the clipboard.
    frame.OnCommand(ID_EDIT_PASTE);
    EXPECT_EQ(frame.ClipOid(), -1);
    EXPECT_EQ(ReadWholeFile(ProgramFolder() / "anniversary.dat"), file);

    // Edit goes to the frame's anniversary editor, not to a new appointment.
    Key(Qt::Key_Return);
    const auto& dialogs = static_cast<RecordingDialogs&>(frame.Dialogs());
    ASSERT_EQ(dialogs.anniversaries.size(), 1u);
    EXPECT_EQ(dialogs.anniversaries[0].index, selected.index);
    EXPECT_TRUE(dialogs.appointments.empty());
    EXPECT_TRUE(MessageBoxScript::Shown().empty());
}

// 2027-02-09, Seollal's substitute, is the next one after 9 December 2026: a
// row of the list that no command may change.
TEST_F(MainFrameViewsTest, TheComingSubstituteHolidayIsListedButNotChangeable)
{
    CMainFrame& frame = Start();
    frame.OnCommand(ID_VIEW_ANNIVERSARIES);
    CAnniversaryView* view = frame.AnniversaryView();
    ASSERT_NE(view, nullptr);
    int holidayRow = -1;
    for (int i = 0; i < view->List().Count(); ++i) {
        if (view->List().Row(i).index < 0)
            holidayRow = i;
    }
    ASSERT_GE(holidayRow, 0);
    EXPECT_EQ(view->List().Row(holidayRow).name, "대체공휴일");
    EXPECT_EQ(view->List().Row(holidayRow).civilDate, (SolarDate{2027, 2, 9}));
    view->List().SetSelectedIndex(holidayRow);
    const std::string file = ReadWholeFile(ProgramFolder() / "anniversary.dat");

    for (int command : {ID_DELETE_ITEM, ID_EDIT_ITEM, ID_EDIT_CUT, ID_EDIT_COPY}) {
        MessageBoxScript::Begin();
        frame.OnCommand(command);
        ASSERT_EQ(MessageBoxScript::Shown().size(), 1u) << command;
        EXPECT_EQ(LastMessage(), LoadString(IDS_HOLIDAY_NOT_EDITABLE));
    }
    EXPECT_EQ(frame.ClipOid(), -1);
    EXPECT_EQ(ReadWholeFile(ProgramFolder() / "anniversary.dat"), file);
}

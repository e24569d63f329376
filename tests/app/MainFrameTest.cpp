#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <QToolButton>

#include <filesystem>

#include "app/AboutDialog.h"
#include "editors/BitmapButtonEx.h"
#include "app/ButtonRow.h"
#include "app/MainFrame.h"
#include "settings/CRegistry.h"
#include "settings/SettingsKeys.h"
#include "platform/shell/Density.h"
#include "platform/shell/ImageFile.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/SoftKeyBar.h"
#include "platform/shell/WindowMessage.h"
#include "platform/store/PimDatabase.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "resources/ResourceLibrary.h"
#include "resources/Strings.h"
#include "tests/app/AppTestSupport.h"
#include "views/week/WeekView.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWednesdayCell = 2;  // 9 December 2026 in a Monday-start week

void SetSetting(const char* name, int32_t value) { CRegistry().SetInt(kSettingsRoot, kSettingsKey, name, value); }

class MainFrameTest : public DeviceTest {
protected:
    CMainFrame& Start(QSize size = {480, 640})
    {
        // Popups are answered by the test: the anchor is kept, the answer given.
        m_frame = std::make_unique<CMainFrame>(size, nullptr,
                                               [this](QWidget*, const MenuDesc&, QPoint at, PopupCorner corner) {
                                                   m_popupAnchor = at;
                                                   m_popupCorner = corner;
                                                   return m_popupAnswer;
                                               });
        auto dialogs = std::make_unique<RecordingDialogs>();
        m_dialogs = dialogs.get();
        m_frame->SetDialogs(std::move(dialogs));
        EXPECT_TRUE(m_frame->Create()) << m_frame->StartupError().toStdString();
        m_frame->show();
        return *m_frame;
    }

    // The subjects the open week view lists on a day of the week.
    std::vector<std::string> CellBodies(int cell) const
    {
        std::vector<std::string> bodies;
        for (const ItemEntry& entry : m_frame->WeekView()->CellEntries(cell))
            bodies.push_back(entry.bodyText);
        return bodies;
    }
    bool CellShows(int cell, const std::string& body) const
    {
        const auto bodies = CellBodies(cell);
        return std::find(bodies.begin(), bodies.end(), body) != bodies.end();
    }

    // The week view's collected entries are new after every refresh.
    const ItemEntry* FirstCellData() const { return m_frame->WeekView()->CellEntries(0).data(); }

    std::unique_ptr<CMainFrame> m_frame;
    RecordingDialogs* m_dialogs = nullptr;
    QPoint m_popupAnchor;
    PopupCorner m_popupCorner = PopupCorner::TopLeft;
    int m_popupAnswer = 0;
};

std::vector<int> Ids(const MenuDesc& menu) { return CommandIdsOf(menu); }

}  // namespace

TEST_F(MainFrameTest, FirstStartInstallsTheWeatherPictureStrips)
{
    const QImage strip = LoadImageFile(QString::fromStdString((ProgramFolder() / "weather" / "weather.bmp").string()));
    const QImage sharp = LoadImageFile(QString::fromStdString((ProgramFolder() / "weather" / "weather2x.bmp").string()));
    EXPECT_EQ(strip.size(), QSize(260, 26));
    EXPECT_EQ(sharp.size(), QSize(520, 52));
    // Drawn on white, the strip's transparent colour; each picture has something on it.
    EXPECT_EQ(strip.pixel(0, 0) & 0xFFFFFFu, 0xFFFFFFu);
    for (int n = 0; n < 10; ++n) {
        int drawn = 0;
        for (int y = 0; y < 26; ++y)
            for (int x = 0; x < 26; ++x) drawn += (strip.pixel(26 * n + x, y) & 0xFFFFFFu) != 0xFFFFFFu ? 1 : 0;
        EXPECT_GT(drawn, 60) << n;
    }
}

TEST_F(MainFrameTest, StartupFailuresShowTheirMessageInOrder)
{
    ASSERT_TRUE(fs::exists(ProgramFolder() / "_anniversary.dat"));
    fs::remove(ProgramFolder() / "_anniversary.dat");
    fs::remove(ProgramFolder() / "anniversary.dat");
    CMainFrame withoutAnniversaries(QSize(480, 640));
    EXPECT_FALSE(withoutAnniversaries.Create());

    // A damaged store stops start-up before the anniversaries are looked at.
    WriteWholeFile(StoreFile(), std::string(4096, '\x5A'));
    CMainFrame withoutStore(QSize(480, 640));
    EXPECT_FALSE(withoutStore.Create());

    const auto& shown = MessageBoxScript::Shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, QString("Can not open resource file 'anniversary.dat'."));
    EXPECT_EQ(shown[1].text, LoadString(IDS_POOM_INIT_FAILED));
    for (const ShownMessageBox& box : shown) {
        EXPECT_EQ(box.caption, QString("Dayvane"));
        EXPECT_EQ(box.icon, MB_ICONERROR);
        EXPECT_EQ(box.buttons, MB_OK);
    }
    EXPECT_EQ(withoutStore.ActiveView(), nullptr);
}

TEST_F(MainFrameTest, ProcessEndsWithTheStartupMessage)
{
    WriteWholeFile(StoreFile(), std::string(4096, '\x5A'));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(DAYVANE_EXECUTABLE),
                  {"--device", QString::fromStdString(m_device->Dir().string())});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(QString::fromLocal8Bit(process.readAllStandardError()).contains(LoadString(IDS_POOM_INIT_FAILED)));
    EXPECT_EQ(ReadWholeFile(StoreFile()), std::string(4096, '\x5A'));
}

TEST_F(MainFrameTest, HelpAndRefusedOptionsSpeakKorean)
{
    QProcess process;
    process.start(QStringLiteral(DAYVANE_EXECUTABLE), {"--help"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    const QString help = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(help.startsWith(QStringLiteral("사용법: Dayvane"))) << help.toStdString();
    EXPECT_TRUE(help.contains(QStringLiteral("화면 해상도")));

    process.start(QStringLiteral(DAYVANE_EXECUTABLE), {"--dpi", "20"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 2);
    const QString refused = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(refused.startsWith(QStringLiteral("Dayvane: --dpi의 값이 잘못되었습니다: 20\n사용법:")))
        << refused.toStdString();
}

TEST_F(MainFrameTest, StartsWithOneWeekViewAndKeepsOneViewAcrossSwitches)
{
    CMainFrame& frame = Start();
    EXPECT_TRUE(MessageBoxScript::Shown().empty());
    EXPECT_EQ(frame.ViewKind(), kViewKindWeek);
    ASSERT_NE(frame.WeekView(), nullptr);
    EXPECT_EQ(frame.ActiveView()->geometry(), frame.ViewRect());
    EXPECT_EQ(frame.ViewRect(), QRect(0, 0, 480, 640 - ScaleY(22)));
    EXPECT_EQ(frame.focusProxy(), frame.ActiveView());

    CViewEx* week = frame.ActiveView();
    frame.OnCommand(ID_VIEW_WEEK);
    EXPECT_EQ(frame.ActiveView(), week);
    frame.OnCommand(ID_VIEW_MONTH_WEATHER);
    EXPECT_EQ(frame.ViewKind(), kViewKindMonthWeather);
    EXPECT_EQ(frame.findChildren<CViewEx*>().size(), 1);
    EXPECT_TRUE(MessageBoxScript::Shown().empty());
}

TEST_F(MainFrameTest, WeekFollowsSundayAsStart)
{
    const TimeValue sunday = TimeFromFields(2026, 12, 13, 9, 0, 0);
    CMainFrame mondayFirst(QSize(480, 640));
    mondayFirst.SetCurrentDate(sunday);
    EXPECT_EQ(mondayFirst.WeekStart(), TimeFromFields(2026, 12, 7, 0, 0, 0));
    EXPECT_EQ(mondayFirst.WeekEnd(), TimeFromFields(2026, 12, 13, 23, 59, 59));

    SetSetting(SettingName::kSundayAsStart, 1);
    CMainFrame sundayFirst(QSize(480, 640));
    sundayFirst.SetCurrentDate(sunday);
    EXPECT_EQ(sundayFirst.GetCurrentDate(), sunday);
    EXPECT_EQ(sundayFirst.WeekStart(), TimeFromFields(2026, 12, 13, 0, 0, 0));
    EXPECT_EQ(sundayFirst.WeekEnd(), TimeFromFields(2026, 12, 19, 23, 59, 59));
}

TEST_F(MainFrameTest, TimerRefreshesOnlyWhenTheDayChanges)
{
    CMainFrame& frame = Start();
    const ItemEntry* collected = FirstCellData();
    SetNow("2026-12-09T23:59:40");
    frame.OnDayTimer();
    EXPECT_EQ(FirstCellData(), collected);
    SetNow("2026-12-10T00:00:10");
    frame.OnDayTimer();
    EXPECT_NE(FirstCellData(), collected);
    EXPECT_EQ(frame.WeekView()->Cell(kWednesdayCell + 1).Background(), 0xC8FFFFu);  // today moved on
    collected = FirstCellData();
    frame.OnDayTimer();
    EXPECT_EQ(FirstCellData(), collected);
}

TEST_F(MainFrameTest, StoreChangesRefreshTheWeekAndEveryNotificationIsFreed)
{
    CMainFrame& frame = Start();
    // Other notification types are given back without a refresh (a leak
    // would show under the sanitizers).
    const ItemEntry* collected = FirstCellData();
    auto* other = new CENOTIFICATION;
    other->uType = 0x0405;
    PostWindowMessage(&frame, WM_DBNOTIFICATION, 0, 0, other);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(FirstCellData(), collected);

    auto store = OpenStore();
    AddAppointment(*store, "Dentist", Ole(2026, 12, 9, 14), Ole(2026, 12, 9, 15));
    EXPECT_TRUE(QTest::qWaitFor([&] { return CellShows(kWednesdayCell, "Dentist"); }, 1000));
}

TEST_F(MainFrameTest, ChangeFromAnotherProcessAppearsWithinASecond)
{
    Start();
    QProcess writer;
    writer.start(QStringLiteral(STORE_WRITER_EXECUTABLE),
                 {QString::fromStdString(StoreFile().string()), "Board meeting", QString::number(Ole(2026, 12, 9, 9), 'f', 6),
                  QString::number(Ole(2026, 12, 9, 10), 'f', 6)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return writer.state() == QProcess::NotRunning; }, 10000));
    ASSERT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return CellShows(kWednesdayCell, "Board meeting"); }, 1000));
}

TEST_F(MainFrameTest, CutCopyAndPasteUseTheSelection)
{
    auto store = OpenStore();
    const CEOID oid = AddAppointment(*store, "Lunch", Ole(2026, 12, 9, 12, 15), Ole(2026, 12, 9, 13, 45));
    CMainFrame& frame = Start();
    ASSERT_EQ(frame.WeekView()->SelectedCell(), kWednesdayCell);
    ASSERT_EQ(static_cast<CEOID>(frame.WeekView()->GetSelection().oid), oid);

    frame.OnCommand(ID_EDIT_COPY);
    EXPECT_EQ(frame.ClipOid(), static_cast<int32_t>(oid));
    EXPECT_EQ(frame.ClipType(), 1);
    EXPECT_EQ(frame.ClipCut(), 0);

    frame.SetCurrentDate(TimeFromFields(2026, 12, 11, 8, 0, 0));
    frame.OnCommand(ID_EDIT_PASTE);
    EXPECT_EQ(frame.ClipOid(), -1);
    EXPECT_TRUE(CellShows(4, "Lunch"));
    EXPECT_TRUE(CellShows(kWednesdayCell, "Lunch"));

    // Cut on an empty day takes nothing but remembers the cut.
    frame.SetCurrentDate(TimeFromFields(2026, 12, 10, 8, 0, 0));
    frame.RefreshActiveView();
    frame.OnCommand(ID_EDIT_CUT);
    EXPECT_EQ(frame.ClipOid(), -1);
    EXPECT_EQ(frame.ClipCut(), 1);
    frame.OnCommand(ID_EDIT_PASTE);
    EXPECT_TRUE(MessageBoxScript::Shown().empty());
}

TEST_F(MainFrameTest, ButtonRowSitsAtTheBottomAtEveryDensity)
{
    for (int dpi : {96, 131, 192}) {
        SCOPED_TRACE(dpi);
        ASSERT_TRUE(SetDeviceDpi(dpi, dpi));
        const auto S = [dpi](int v) { return (v * dpi + 48) / 96; };
        CMainFrame& frame = Start(QSize(480, 640));
        const int y = 640 - S(22) + S(1);
        const std::map<int, int> x{{1205, 0},         {32781, S(32)},       {1206, S(74)},
                                   {32824, S(95)},    {32845, S(95)},       {32823, S(116)},
                                   {1207, S(140)},    {1208, 480 - S(42)}, {1209, 480 - S(20)}};
        for (const auto& [command, left] : x) {
            CBitmapButtonEx* button = frame.Buttons()->Button(command);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->pos(), QPoint(left, y)) << command;
            EXPECT_FALSE(button->Bitmap().isNull()) << command;
            EXPECT_EQ(button->size(), button->Bitmap().size()) << command;
            EXPECT_EQ(button->NormalColor(), QColor(0x55, 0x55, 0x55));
            EXPECT_EQ(button->PressedColor(), QColor(0x80, 0x80, 0x80));
        }
        // The week view uses edit and delete; weather refresh shares their place.
        EXPECT_FALSE(frame.Buttons()->Button(ID_EDIT_ITEM)->isHidden());
        EXPECT_FALSE(frame.Buttons()->Button(ID_DELETE_ITEM)->isHidden());
        EXPECT_TRUE(frame.Buttons()->Button(ID_WEATHER_REFRESH)->isHidden());
        // Landscape moves the right-hand buttons along.
        frame.resize(640, 480);
        EXPECT_EQ(frame.Buttons()->Button(IDC_BUTTON_NEXT)->pos(), QPoint(640 - S(20), 480 - S(22) + S(1)));
        m_frame.reset();
    }
    SetDeviceDpi(kDefaultDeviceDpi, kDefaultDeviceDpi);
}

TEST_F(MainFrameTest, ButtonPopupsOfferTheViewsCommands)
{
    CMainFrame& frame = Start();
    EXPECT_EQ(Ids(frame.ButtonPopup(IDC_BUTTON_MENU)),
              (std::vector<int>{32781, 32807, 32778, 32779, 32833, 32834, 32820, 32821, 32822, 32824, 32823, 32850, 32783,
                                57664, 57665}));
    EXPECT_EQ(Ids(frame.ButtonPopup(IDC_BUTTON_ADD)), (std::vector<int>{32778, 32779, 32833, 32834}));
    EXPECT_EQ(Ids(frame.ButtonPopup(IDC_BUTTON_VIEWS)), (std::vector<int>{32838, 32849, 32839, 32841}));
    // What the other views will get from the same buttons.
    EXPECT_EQ(Ids(MainButtonMenu(kViewKindMonthLunar)), (std::vector<int>{32781, 32807, 32850, 32783, 57664, 57665}));
    EXPECT_EQ(Ids(MainButtonMenu(kViewKindMonthWeather)),
              (std::vector<int>{32781, 32807, 32845, 32847, 32850, 32783, 57664, 57665}));
    EXPECT_EQ(Ids(MainButtonMenu(kViewKindAnniversaries)),
              (std::vector<int>{32833, 32834, 32820, 32821, 32822, 32824, 32823, 32850, 32783, 57664, 57665}));
    EXPECT_EQ(Ids(AddButtonMenu(kViewKindAnniversaries)), (std::vector<int>{32833, 32834}));

    // A tap opens the popup on the button's corner and runs the choice.
    m_popupAnswer = ID_GO_TODAY;
    frame.SetCurrentDate(TimeFromFields(2027, 3, 1, 0, 0, 0));
    CBitmapButtonEx* menu = frame.Buttons()->Button(IDC_BUTTON_MENU);
    QTest::mouseClick(menu, Qt::LeftButton);
    EXPECT_EQ(m_popupAnchor, menu->mapToGlobal(QPoint(0, 0)));
    EXPECT_EQ(m_popupCorner, PopupCorner::BottomLeft);
    EXPECT_EQ(frame.WeekStart(), TimeFromFields(2026, 12, 7, 0, 0, 0));
}

TEST_F(MainFrameTest, PreviousAndNextButtonsMoveByAWeek)
{
    CMainFrame& frame = Start();
    QTest::mouseClick(frame.Buttons()->Button(IDC_BUTTON_NEXT), Qt::LeftButton);
    EXPECT_EQ(frame.WeekStart(), TimeFromFields(2026, 12, 14, 0, 0, 0));
    QTest::mouseClick(frame.Buttons()->Button(IDC_BUTTON_PREVIOUS), Qt::LeftButton);
    QTest::mouseClick(frame.Buttons()->Button(IDC_BUTTON_PREVIOUS), Qt::LeftButton);
    EXPECT_EQ(frame.WeekStart(), TimeFromFields(2026, 11, 30, 0, 0, 0));
}

TEST_F(MainFrameTest, SoftKeysReplaceTheButtonRow)
{
    SetSetting(SettingName::kUseSoftKey, 1);
    CMainFrame& frame = Start();
    EXPECT_EQ(frame.Buttons(), nullptr);
    ASSERT_NE(frame.MenuBar(), nullptr);
    EXPECT_EQ(frame.ViewRect().height(), 640 - SoftKeyBar::BarHeight());
    const std::vector<int> left = CommandIdsOf(*frame.MenuBar()->Popup(SoftKeyBar::Key::Left));
    const std::vector<int> right = CommandIdsOf(*frame.MenuBar()->Popup(SoftKeyBar::Key::Right));
    EXPECT_EQ(left, (std::vector<int>{32778, 32779, 32833, 32834, 32838, 32849, 32839, 32841}));
    EXPECT_EQ(right, (std::vector<int>{32781, 32807, 32820, 32821, 32822, 32824, 32823, 32850, 32783, 57664, 57665}));

    // A soft-key command runs after the menu has closed.
    frame.SetCurrentDate(TimeFromFields(2027, 3, 1, 0, 0, 0));
    FindCommand(*frame.MenuBar()->Popup(SoftKeyBar::Key::Right), ID_GO_TODAY)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.WeekStart() == TimeFromFields(2026, 12, 7, 0, 0, 0); }, 1000));
}

TEST_F(MainFrameTest, AboutShowsTheProductAndItsVersion)
{
    CMainFrame& frame = Start();
    frame.OnCommand(ID_APP_ABOUT);
    ASSERT_EQ(m_dialogs->modalTitles.size(), 1u);
    EXPECT_EQ(m_dialogs->modalTitles[0], QString("제품정보"));
    CAboutDlg about;
    EXPECT_EQ(about.findChild<QLabel*>("productName")->text(), QString("Dayvane"));
    EXPECT_EQ(about.findChild<QLabel*>("version")->text(), QString("Version 1.0.0"));
}

TEST_F(MainFrameTest, OptionsAndDatePickerMoveTheWeek)
{
    CMainFrame& frame = Start();
    m_dialogs->pickedDate = TimeFromFields(2026, 12, 13, 0, 0, 0);
    frame.OnCommand(ID_GO_TO_DATE);
    EXPECT_EQ(frame.WeekStart(), TimeFromFields(2026, 12, 7, 0, 0, 0));

    m_dialogs->options = [](Settings& settings) {
        settings.m_SundayAsStart = 1;
        settings.m_WeekFontSize = 10;
        return IDOK;
    };
    frame.OnCommand(ID_OPTIONS);
    EXPECT_EQ(frame.WeekStart(), TimeFromFields(2026, 12, 13, 0, 0, 0));
    ASSERT_NE(frame.ResourceBundle(), nullptr);
    EXPECT_TRUE(frame.ResourceBundle()->FilePath().endsWith("VaneLoRes1.rcc"));
}

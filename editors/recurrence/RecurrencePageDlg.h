// One full-screen page of the detailed recurrence wizard. Every page works on
// the wizard's one value record. "다음" reads the page and opens the next page
// modally: its "완료" or "취소" closes this page the same way, its "이전"
// comes back here. "완료" (the range page) reads and closes with 1, "이전"
// closes with 32800 and "취소" with 2 without reading. Numbers outside their
// range keep the page open with the framework's message.
#pragma once

#include <functional>

#include "editors/recurrence/RecurrenceValues.h"
#include "platform/shell/DeviceDialog.h"

class CRecurrencePageDlg;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
struct Settings;

inline constexpr int kPageResultPrevious = 32800;

// Shows a page modally and returns its result; tests drive the pages instead.
using RecurrencePageRunner = std::function<int(CRecurrencePageDlg& page)>;
int ExecRecurrencePage(CRecurrencePageDlg& page);

struct RecurrenceWizard {
    RecurrenceWizardValues values;
    const Settings& settings;
    RecurrencePageRunner run = ExecRecurrencePage;
};

class CRecurrencePageDlg : public CDeviceDialog {
    Q_OBJECT

public:
    // Values of the page's controls into the wizard's record; false (after
    // the message) when a number is out of range.
    virtual bool ReadPage() = 0;

protected:
    CRecurrencePageDlg(QWidget* owner, RecurrenceWizard& wizard, int titleId, bool isRangePage);

    // Opens the page after this one and returns its result.
    virtual int RunNextPage() = 0;
    // Opens `Page` on this page's owner through the wizard's runner.
    template <typename Page>
    int RunPage()
    {
        Page page(parentWidget(), m_wizard);
        return m_wizard.run(page);
    }
    void OnCommand(int commandId) override;
    void OnOK() override;

    // Controls of the template, each named by its id.
    QLineEdit* AddNumberEdit(int id, int x, int y, int width, int height);
    // The "매 [n] ... 마다 반복" row of the daily and weekly pages, showing `interval`.
    QLineEdit* AddIntervalRow(int editId, int suffixTextId, int interval);
    void AddText(int textId, int x, int y, int width, int height);
    QRadioButton* AddRadio(int id, int textId, int x, int y, int width, int height);
    QCheckBox* AddCheck(int id, int textId, int x, int y, int width, int height);
    QComboBox* AddList(int id, int firstTextId, int count, int x, int y, int width, int height);
    // Sunday to Saturday, carrying the weekday bits 1 .. 64 as item data.
    QComboBox* AddWeekdayList(int id, int x, int y, int width, int height);
    static void SelectWeekday(QComboBox* list, int weekday);
    static int SelectedWeekday(const QComboBox* list);  // 1-7
    // The edit's number in [min, max], or the message and the focus on it.
    bool ReadNumber(QLineEdit* edit, int min, int max, int& out);
    static void ShowNumber(QLineEdit* edit, int value);

    RecurrenceWizard& m_wizard;

private:
    void Next();

    bool m_isRangePage;
};

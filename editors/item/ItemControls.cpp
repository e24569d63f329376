#include "editors/item/ItemControls.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFontInfo>
#include <QPushButton>

#include "editors/AnniversaryDlg.h"
#include "resources/Strings.h"

QDate PickerDate(TimeValue t)
{
    const TimeParts parts = *PartsFromTime(t);
    return QDate(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday);
}

TimeValue TimeOnPickerDate(const QDate& date, int hour, int minute)
{
    return TimeFromFields(date.year(), date.month(), date.day(), hour, minute, 0);
}

QDateEdit* MakeDatePicker(QWidget* parent, int id)
{
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(ControlName(id));
    picker->setCalendarPopup(true);
    // Short enough for the narrow pickers at 96 dpi.
    picker->setDisplayFormat(QStringLiteral("yy-MM-dd"));
    // The dates a time value can hold.
    picker->setDateRange(QDate(1970, 1, 2), QDate(2105, 12, 31));
    return picker;
}

void FitDatePickerText(QDateEdit* picker)
{
    constexpr int kSmallestPixels = 8;
    QFont font = picker->font();
    int pixels = QFontInfo(font).pixelSize();
    // The template's narrow pickers at 96 dpi cut the last digit otherwise.
    while (picker->sizeHint().width() > picker->width() && pixels > kSmallestPixels) {
        font.setPixelSize(--pixels);
        picker->setFont(font);
    }
}

QCheckBox* MakeCheck(QWidget* parent, int id, int textId)
{
    auto* check = new QCheckBox(LoadString(textId), parent);
    check->setObjectName(ControlName(id));
    return check;
}

QPushButton* MakePushButton(QWidget* parent, int id, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(ControlName(id));
    return button;
}

// Small pieces the item editors' controls share: dates between pickers and
// time values, and template controls by id.
#pragma once

#include <QDate>

#include "pim/time/TimeValue.h"

class QCheckBox;
class QDateEdit;
class QPushButton;
class QWidget;

QDate PickerDate(TimeValue t);
// The date of the picker at the given time of day.
TimeValue TimeOnPickerDate(const QDate& date, int hour, int minute);

QDateEdit* MakeDatePicker(QWidget* parent, int id);
// Once placed: a smaller font where the date would not fit its width.
void FitDatePickerText(QDateEdit* picker);
QCheckBox* MakeCheck(QWidget* parent, int id, int textId);
QPushButton* MakePushButton(QWidget* parent, int id, const QString& text);

// Widget pieces shared by the item editor's forms.
#pragma once

#include <QCheckBox>
#include <QDateTimeEdit>

class QFormLayout;

// A date-time box showing wall-clock time without a zone.
QDateTimeEdit* NewDateTimeEdit(const char* objectName, bool withTime);
// "label: [x] [box]": the box is only used while the check is set.
void AddCheckedRow(QFormLayout* form, const char* label, QCheckBox* check, QWidget* box);
// A check box with its object name and text.
QCheckBox* NewCheckBox(const char* objectName, const char* text = "");

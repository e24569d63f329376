#include "platform/itemeditor/EditorFields.h"

#include <QFormLayout>
#include <QHBoxLayout>

QDateTimeEdit* NewDateTimeEdit(const char* objectName, bool withTime)
{
    auto* edit = new QDateTimeEdit;
    edit->setObjectName(objectName);
    edit->setTimeSpec(Qt::UTC);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(withTime ? "yyyy-MM-dd HH:mm" : "yyyy-MM-dd");
    return edit;
}

void AddCheckedRow(QFormLayout* form, const char* label, QCheckBox* check, QWidget* box)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(check);
    layout->addWidget(box, 1);
    box->setEnabled(check->isChecked());
    QObject::connect(check, &QCheckBox::toggled, box, &QWidget::setEnabled);
    form->addRow(QString::fromUtf8(label), row);
}

QCheckBox* NewCheckBox(const char* objectName, const char* text)
{
    auto* check = new QCheckBox(QString::fromUtf8(text));
    check->setObjectName(objectName);
    return check;
}

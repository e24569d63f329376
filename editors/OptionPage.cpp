#include "editors/OptionPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "editors/AnniversaryDlg.h"
#include "platform/shell/DialogUnits.h"
#include "resources/Strings.h"

COptionPage::COptionPage(const Settings& settings, int titleId, const char* className)
    : m_values(settings), m_title(LoadString(titleId))
{
    setObjectName(className);
}

void COptionPage::EnsureCreated()
{
    if (m_created)
        return;
    m_created = true;
    CreateControls();
}

void COptionPage::showEvent(QShowEvent* event)
{
    EnsureCreated();
    QWidget::showEvent(event);
}

void COptionPage::Place(QWidget* control, int id, int x, int y, int width, int height)
{
    control->setObjectName(ControlName(id));
    control->setGeometry(DialogUnitsRect(x, y, width, height));
    control->show();
}

QLabel* COptionPage::AddLabel(int textId, int x, int y, int width, int height)
{
    auto* label = new QLabel(LoadString(textId), this);
    label->setGeometry(DialogUnitsRect(x, y, width, height));
    label->show();
    return label;
}

QCheckBox* COptionPage::AddCheck(int id, int textId, int x, int y, int width, int height,
                                 int32_t Settings::*member)
{
    auto* check = new QCheckBox(LoadString(textId), this);
    Place(check, id, x, y, width, height);
    check->setChecked(m_values.*member != 0);
    m_checks.push_back({check, member});
    return check;
}

QComboBox* COptionPage::AddChoiceList(int id, int x, int y, int width, int height,
                                      const std::vector<OptionChoice>& choices, int32_t Settings::*member)
{
    auto* list = new QComboBox(this);
    Place(list, id, x, y, width, height);
    FillChoices(*list, choices);
    SelectChoice(*list, m_values.*member);
    m_choices.push_back({list, member});
    return list;
}

QComboBox* COptionPage::AddTextList(int id, int x, int y, int width, int height, const QStringList& texts,
                                    std::string Settings::*member)
{
    auto* list = new QComboBox(this);
    Place(list, id, x, y, width, height);
    QStringList sorted = texts;
    sorted.sort();
    list->addItems(sorted);
    list->setCurrentIndex(list->findText(QString::fromStdString(m_values.*member)));
    m_texts.push_back({list, member});
    return list;
}

QComboBox* COptionPage::AddNumberList(int id, int x, int y, int width, int height, const QStringList& texts,
                                      int32_t Settings::*member)
{
    auto* list = new QComboBox(this);
    Place(list, id, x, y, width, height);
    list->addItems(texts);
    list->setCurrentIndex(list->findText(QString::number(m_values.*member)));
    m_numbers.push_back({list, member});
    return list;
}

void COptionPage::ReadControls()
{
    for (const CheckBinding& binding : m_checks)
        m_values.*binding.member = binding.control->isChecked() ? 1 : 0;
    for (const ChoiceBinding& binding : m_choices)
        m_values.*binding.member = SelectedChoice(*binding.control);
    // A font name or size not in the lists would otherwise come back empty or
    // as size 0 and leave the views without a usable font.
    for (const TextBinding& binding : m_texts) {
        if (binding.control->currentIndex() >= 0)
            m_values.*binding.member = binding.control->currentText().toStdString();
    }
    for (const NumberBinding& binding : m_numbers) {
        if (binding.control->currentIndex() >= 0)
            m_values.*binding.member = binding.control->currentText().toInt();
    }
}

void COptionPage::SaveInto(Settings& settings)
{
    if (!m_created)
        return;  // never shown: the settings already hold what the page was filled with
    ReadControls();
    for (const CheckBinding& binding : m_checks)
        settings.*binding.member = m_values.*binding.member;
    for (const ChoiceBinding& binding : m_choices)
        settings.*binding.member = m_values.*binding.member;
    for (const TextBinding& binding : m_texts)
        settings.*binding.member = m_values.*binding.member;
    for (const NumberBinding& binding : m_numbers)
        settings.*binding.member = m_values.*binding.member;
}

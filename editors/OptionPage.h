// One page of the options sheet. A page is filled with a copy of the settings
// when the sheet opens; its controls exist only once it has been shown, and
// only then does it read them back. A page never shown keeps what it was
// filled with. Controls bind to the Settings member they edit, so showing and
// reading are the same walk over the bindings.
#pragma once

#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

#include "editors/OptionChoices.h"
#include "settings/Settings.h"

class QCheckBox;
class QComboBox;
class QLabel;

class COptionPage : public QWidget {
    Q_OBJECT

public:
    COptionPage(const Settings& settings, int titleId, const char* className);

    QString Title() const { return m_title; }
    bool IsCreated() const { return m_created; }
    // Builds the controls now, as showing the page would.
    void EnsureCreated();
    // Copies the bound values, read from the controls if the page was shown,
    // into `settings`.
    void SaveInto(Settings& settings);

protected:
    virtual void CreateControls() = 0;

    QCheckBox* AddCheck(int id, int textId, int x, int y, int width, int height, int32_t Settings::*member);
    QComboBox* AddChoiceList(int id, int x, int y, int width, int height, const std::vector<OptionChoice>& choices,
                             int32_t Settings::*member);
    // A sorted list of texts, selected by text; nothing selected keeps the
    // value the page was filled with.
    QComboBox* AddTextList(int id, int x, int y, int width, int height, const QStringList& texts,
                           std::string Settings::*member);
    QComboBox* AddNumberList(int id, int x, int y, int width, int height, const QStringList& texts,
                             int32_t Settings::*member);
    QLabel* AddLabel(int textId, int x, int y, int width, int height);

    void showEvent(QShowEvent* event) override;

private:
    struct CheckBinding {
        QCheckBox* control;
        int32_t Settings::*member;
    };
    struct ChoiceBinding {
        QComboBox* control;
        int32_t Settings::*member;
    };
    struct TextBinding {
        QComboBox* control;
        std::string Settings::*member;
    };
    struct NumberBinding {
        QComboBox* control;
        int32_t Settings::*member;
    };
    void Place(QWidget* control, int id, int x, int y, int width, int height);
    void ReadControls();

    Settings m_values;
    QString m_title;
    bool m_created = false;
    std::vector<CheckBinding> m_checks;
    std::vector<ChoiceBinding> m_choices;
    std::vector<TextBinding> m_texts;
    std::vector<NumberBinding> m_numbers;
};

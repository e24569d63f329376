#include "platform/shell/CommandBar.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "platform/shell/Density.h"

namespace {

constexpr int kBarHeight96 = 26;
constexpr int kIconSize96 = 16;
constexpr int kButtonTextHeight96 = 11;
constexpr const char* kCommandProperty = "commandId";

int CommandOf(const QToolButton* button) { return button->property(kCommandProperty).toInt(); }

}  // namespace

CommandBar::CommandBar(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(ScaleX(2), ScaleY(1), ScaleX(2), ScaleY(1));
    layout->setSpacing(ScaleX(2));
    layout->addStretch(1);
    setFixedHeight(BarHeight());
}

CommandBar::CommandBar(const std::vector<CommandBarButton>& buttons, QWidget* parent)
    : CommandBar(parent)
{
    for (const CommandBarButton& button : buttons)
        AddButton(button);
}

QToolButton* CommandBar::AddButton(const CommandBarButton& entry)
{
    if (entry.id == 0)
        return nullptr;
    auto* button = new QToolButton(this);
    button->setProperty(kCommandProperty, entry.id);
    button->setText(entry.text);
    button->setAutoRaise(true);
    QFont font = button->font();
    font.setPixelSize(ScaleY(kButtonTextHeight96));
    button->setFont(font);
    if (!entry.icon.isNull()) {
        button->setIcon(entry.icon);
        button->setIconSize(QSize(ScaleX(kIconSize96), ScaleY(kIconSize96)));
        button->setToolButtonStyle(entry.text.isEmpty() ? Qt::ToolButtonIconOnly
                                                       : Qt::ToolButtonTextBesideIcon);
    } else {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    button->setCheckable(entry.checkable);
    button->setChecked(entry.checkable && entry.checked);
    connect(button, &QToolButton::clicked, this,
            [this, id = entry.id] { emit commandTriggered(id); });
    // Buttons sit at the left, the stretch keeps them together.
    auto* row = static_cast<QHBoxLayout*>(layout());
    row->insertWidget(static_cast<int>(m_buttons.size()), button);
    m_buttons.push_back(button);
    return button;
}

QToolButton* CommandBar::Button(int id) const
{
    for (QToolButton* button : m_buttons) {
        if (CommandOf(button) == id)
            return button;
    }
    return nullptr;
}

std::vector<int> CommandBar::ButtonIds() const
{
    std::vector<int> ids;
    for (const QToolButton* button : m_buttons)
        ids.push_back(CommandOf(button));
    return ids;
}

void CommandBar::SetChecked(int id, bool checked)
{
    if (QToolButton* button = Button(id); button != nullptr && button->isCheckable())
        button->setChecked(checked);
}

bool CommandBar::IsChecked(int id) const
{
    const QToolButton* button = Button(id);
    return button != nullptr && button->isChecked();
}

void CommandBar::Press(int id)
{
    if (QToolButton* button = Button(id); button != nullptr && button->isEnabled())
        button->click();
}

int CommandBar::BarHeight() { return ScaleY(kBarHeight96); }

QSize CommandBar::sizeHint() const { return {QWidget::sizeHint().width(), BarHeight()}; }

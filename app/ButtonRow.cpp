#include "app/ButtonRow.h"

#include <QColor>
#include <QWidget>

#include "editors/BitmapButtonEx.h"
#include "platform/shell/Density.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "resources/Strings.h"

namespace {

QColor FromRgb(unsigned rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

}  // namespace

ButtonRow::ButtonRow(QWidget& parent, std::function<void(int)> onCommand)
{
    for (size_t i = 0; i < kButtonRowCommands.size(); ++i) {
        const int command = kButtonRowCommands[i];
        auto* button = new CBitmapButtonEx(false, &parent);
        button->setObjectName(QStringLiteral("button%1").arg(command));
        if (command == IDC_BUTTON_MENU)
            button->setText(LoadString(IDS_KEY_MENU));
        button->SetBitmap(ButtonBitmap(command));
        button->SetColors(FromRgb(kNormalColor), FromRgb(kPressedColor));
        QObject::connect(button, &CBitmapButtonEx::clicked, button, [onCommand, command] { onCommand(command); });
        button->raise();
        button->show();
        m_buttons[i] = button;
    }
}

ButtonRow::~ButtonRow()
{
    for (CBitmapButtonEx* button : m_buttons)
        delete button;
}

int ButtonRow::StripHeight() { return ScaleY(22); }

QPoint ButtonRow::ButtonPosition(int commandId, QSize client)
{
    const int y = client.height() - ScaleY(22) + ScaleY(1);
    switch (commandId) {
    case IDC_BUTTON_MENU:
        return {0, y};
    case ID_GO_TODAY:
        return {ScaleX(32), y};
    case IDC_BUTTON_ADD:
        return {ScaleX(74), y};
    case ID_EDIT_ITEM:
    case ID_WEATHER_REFRESH:
        return {ScaleX(95), y};
    case ID_DELETE_ITEM:
        return {ScaleX(116), y};
    case IDC_BUTTON_VIEWS:
        return {ScaleX(140), y};
    case IDC_BUTTON_PREVIOUS:
        return {client.width() - ScaleX(42), y};
    case IDC_BUTTON_NEXT:
        return {client.width() - ScaleX(20), y};
    default:
        return {0, y};
    }
}

void ButtonRow::Layout(QSize client)
{
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        CBitmapButtonEx* button = m_buttons[i];
        button->setGeometry(QRect(ButtonPosition(kButtonRowCommands[i], client), button->sizeHint()));
        button->raise();
    }
}

void ButtonRow::ShowForViewKind(int viewKind)
{
    const bool editing = viewKind == kViewKindWeek || viewKind == kViewKindAnniversaries;
    SetButtonVisible(ID_EDIT_ITEM, editing);
    SetButtonVisible(ID_DELETE_ITEM, editing);
    SetButtonVisible(ID_WEATHER_REFRESH, viewKind == kViewKindMonthWeather);
}

void ButtonRow::SetButtonVisible(int commandId, bool visible)
{
    if (CBitmapButtonEx* button = Button(commandId))
        button->setVisible(visible);
}

CBitmapButtonEx* ButtonRow::Button(int commandId) const
{
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        if (kButtonRowCommands[i] == commandId)
            return m_buttons[i];
    }
    return nullptr;
}

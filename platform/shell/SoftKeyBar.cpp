#include "platform/shell/SoftKeyBar.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QShortcut>
#include <QToolButton>

#include "platform/shell/Density.h"

namespace {

constexpr int kBarHeight96 = 26;
constexpr int kKeyTextHeight96 = 12;

QToolButton* MakeKeyButton(QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    button->setFocusPolicy(Qt::NoFocus);
    // The key captions follow the device's density, not the desktop's.
    QFont font = button->font();
    font.setPixelSize(ScaleY(kKeyTextHeight96));
    font.setBold(true);
    button->setFont(font);
    return button;
}

}  // namespace

SoftKeyBar::SoftKeyBar(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x33, 0x33, 0x33));
    colours.setColor(QPalette::Button, QColor(0x33, 0x33, 0x33));
    colours.setColor(QPalette::ButtonText, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(ScaleX(1));
    for (Key key : {Key::Left, Key::Right}) {
        QToolButton* button = MakeKeyButton(this);
        layout->addWidget(button);
        Slot(key).button = button;
        connect(button, &QToolButton::clicked, this, [this, key] { PressKey(key); });
    }
    auto* leftShortcut = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(leftShortcut, &QShortcut::activated, this, [this] { PressKey(Key::Left); });
    auto* rightShortcut = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(rightShortcut, &QShortcut::activated, this, [this] { PressKey(Key::Right); });
    setFixedHeight(BarHeight());
}

SoftKeyBar::~SoftKeyBar() = default;

void SoftKeyBar::SetMenu(const MenuDesc& bar)
{
    SetKey(Key::Left, bar.size() > 0 ? bar[0] : MenuItem{});
    SetKey(Key::Right, bar.size() > 1 ? bar[1] : MenuItem{});
}

void SoftKeyBar::SetKey(Key key, const MenuItem& item)
{
    KeySlot& slot = Slot(key);
    if (slot.popup != nullptr) {
        slot.popup->deleteLater();
        slot.popup = nullptr;
    }
    slot.command = item.id;
    slot.button->setText(item.text);
    slot.button->setEnabled(!item.IsSeparator());
    if (item.IsPopup()) {
        slot.popup = new QMenu(this);
        FillMenu(*slot.popup, item.popup);
        // Actions of submenus reach this signal too: Qt passes a trigger up
        // through the parent menus.
        connect(slot.popup, &QMenu::triggered, this, [this](QAction* action) {
            if (const int id = CommandIdOf(action); id != 0)
                emit commandTriggered(id);
        });
    }
}

QString SoftKeyBar::KeyText(Key key) const { return Slot(key).button->text(); }

int SoftKeyBar::KeyCommand(Key key) const { return Slot(key).command; }

QMenu* SoftKeyBar::Popup(Key key) const { return Slot(key).popup; }

QMenu* SoftKeyBar::PopupByCommand(int keyId) const
{
    for (const KeySlot& slot : m_keys) {
        if (slot.popup != nullptr && keyId != 0 && slot.command == keyId)
            return slot.popup;
    }
    return nullptr;
}

QToolButton* SoftKeyBar::KeyButton(Key key) const { return Slot(key).button; }

void SoftKeyBar::PressKey(Key key)
{
    const KeySlot& slot = Slot(key);
    if (!slot.button->isEnabled())
        return;
    if (slot.popup != nullptr)
        ShowPopup(key);
    else if (slot.command != 0)
        emit commandTriggered(slot.command);
}

void SoftKeyBar::ShowPopup(Key key)
{
    const KeySlot& slot = Slot(key);
    if (slot.popup->isEmpty())
        return;
    // The popup opens upwards from the bar, flush with the key's outer edge.
    const QSize size = slot.popup->sizeHint();
    const QRect keyRect = slot.button->geometry();
    const int x = key == Key::Left ? keyRect.left() : keyRect.right() + 1 - size.width();
    const QPoint topLeft = mapToGlobal(QPoint(x, -size.height()));
    slot.popup->popup(topLeft);
}

int SoftKeyBar::BarHeight() { return ScaleY(kBarHeight96); }

QSize SoftKeyBar::sizeHint() const { return {ScaleX(240), BarHeight()}; }

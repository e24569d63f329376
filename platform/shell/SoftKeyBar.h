// The soft-key bar: a bar along the bottom of a window with a left and a
// right key. A key either sends its command or drops up a popup menu whose
// actions carry command ids. The F1 and F2 keys press the soft keys.
#pragma once

#include <QWidget>

#include <array>

#include "platform/shell/MenuDesc.h"

class QMenu;
class QToolButton;

class SoftKeyBar : public QWidget {
    Q_OBJECT

public:
    enum class Key { Left = 0, Right = 1 };

    explicit SoftKeyBar(QWidget* parent = nullptr);
    ~SoftKeyBar() override;

    // The first top-level item of the description is the left key, the
    // second the right key; more items are ignored, a missing one leaves its
    // key empty. A command item makes a command key, a popup item a key with
    // a popup menu (the item's id, when not 0, names that popup).
    void SetMenu(const MenuDesc& bar);
    void SetKey(Key key, const MenuItem& item);

    QString KeyText(Key key) const;
    // The key's command (popup keys: their naming id, often 0).
    int KeyCommand(Key key) const;
    // The key's popup, or null for a command key. Views may refill it
    // (ReplaceMenu); submenus must stay children of it.
    QMenu* Popup(Key key) const;
    // The popup of the key whose naming id is keyId, or null.
    QMenu* PopupByCommand(int keyId) const;
    QToolButton* KeyButton(Key key) const;

    // As a tap on the key: a command key sends its command, a popup key
    // shows its popup above the key.
    void PressKey(Key key);

    // The bar's height on the device: 26 pixels at 96 dpi.
    static int BarHeight();
    QSize sizeHint() const override;

signals:
    // A command key was pressed or a popup action chosen.
    void commandTriggered(int commandId);

private:
    struct KeySlot {
        QToolButton* button = nullptr;
        QMenu* popup = nullptr;
        int command = 0;
    };

    KeySlot& Slot(Key key) { return m_keys[static_cast<int>(key)]; }
    const KeySlot& Slot(Key key) const { return m_keys[static_cast<int>(key)]; }
    void ShowPopup(Key key);

    std::array<KeySlot, 2> m_keys;
};

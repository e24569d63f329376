// The store's notifications for a Today item, posted to its window as
// WM_DBNOTIFICATION carrying the notification, which the window gives back.
#pragma once

#include <QWidget>

#include "platform/shell/WindowMessage.h"
#include "platform/store/PimDatabase.h"

class ItemStoreWindow : public StoreWindow {
public:
    explicit ItemStoreWindow(QWidget* item) : m_item(item) {}

    // On the store's watcher thread. The item closes its request before it
    // goes, so the pointer is never stale here.
    void Post(uint32_t message, CENOTIFICATION* notification) override
    {
        if (!PostWindowMessage(m_item, WM_DBNOTIFICATION, message, 0, notification))
            CeFreeNotification(nullptr, notification);
    }

private:
    QWidget* m_item;
};

// A window as the store's notification target: every change notification is
// posted to it as WM_DBNOTIFICATION carrying the notification, which the
// window gives back to the store with CeFreeNotification.
#pragma once

#include <QObject>

#include "platform/shell/WindowMessage.h"
#include "platform/store/PimDatabase.h"

class PostingStoreWindow : public StoreWindow {
public:
    // The window outlives every subscription: it closes them first, and hands
    // back what is still queued before it goes.
    explicit PostingStoreWindow(QObject* window) : m_window(window) {}

    // Runs on the store's watcher thread; posting is safe from any thread.
    void Post(uint32_t message, CENOTIFICATION* notification) override
    {
        if (!PostWindowMessage(m_window, WM_DBNOTIFICATION, message, 0, notification))
            CeFreeNotification(nullptr, notification);
    }

private:
    QObject* m_window;
};

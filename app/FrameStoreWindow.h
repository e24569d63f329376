// The frame as the store's notification window: every change notification
// is posted to the frame as the window message WM_DBNOTIFICATION, carrying
// the notification, which the frame gives back to the store.
#pragma once

#include "platform/shell/WindowMessage.h"
#include "platform/store/PimDatabase.h"

class FrameStoreWindow : public StoreWindow {
public:
    explicit FrameStoreWindow(QObject* frame) : m_frame(frame) {}

    // Runs on the store's watcher thread; posting is safe from any thread.
    void Post(uint32_t message, CENOTIFICATION* notification) override
    {
        if (!PostWindowMessage(m_frame, WM_DBNOTIFICATION, message, 0, notification))
            CeFreeNotification(nullptr, notification);
    }

private:
    QObject* m_frame;  // outlives every subscription: the frame closes them first
};

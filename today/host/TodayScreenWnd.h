// The Today screen: a date header, then the registered items stacked by the
// heights they report, on a plain background. It asks every item whether to
// refresh every 2 seconds and whenever it becomes active again, relays the
// item's colour and background requests, and says which items it refused.
#pragma once

#include <QBasicTimer>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

#include "platform/today/TodayProtocol.h"
#include "today/host/ItemLibrary.h"
#include "today/listing/TodayRegistration.h"

class CTodayScreenWnd : public QWidget {
public:
    CTodayScreenWnd(int dpiX, int dpiY, QWidget* parent = nullptr);
    ~CTodayScreenWnd() override;

    // Loads every enabled registered item, then signals "SYSTEM/ShellAPIReady".
    void LoadItems(const std::vector<TodayItemRegistration>& items);
    // The refresh query to every item; lays out again when one says so.
    void QueryItems();

    const QStringList& Refusals() const { return m_refusals; }
    // The items' records, in screen order.
    std::vector<const TODAYLISTITEM*> Items() const;

    static constexpr int kRefreshMilliseconds = 2000;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    struct LoadedItem {
        TODAYLISTITEM record;
        std::unique_ptr<ItemLibrary> library;
    };

    void Layout();
    int HeaderHeight() const;
    int RefusalLineHeight() const;
    void DrawWatermark(const TODAYDRAWWATERMARKINFO& info) const;

    int m_dpiX;
    int m_dpiY;
    std::vector<LoadedItem> m_items;
    QStringList m_refusals;
    QWidget* m_selected = nullptr;
    QBasicTimer m_refreshTimer;
};

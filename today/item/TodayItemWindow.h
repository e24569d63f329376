// The window of a Today item, as both items share it: the refresh handshake
// with the Today screen, the store's change notifications, the tap that
// starts Dayvane, and the painting of icon, lines and empty text in the
// screen's colours. An item adds what it lists and how tall it is.
#pragma once

#include <QPixmap>
#include <QWidget>

#include <memory>
#include <string>

#include "platform/store/PimDatabase.h"
#include "platform/today/TodayProtocol.h"
#include "today/listing/TodayEntry.h"
#include "today/listing/TodayHeight.h"

class PostingStoreWindow;

struct TodayItemTraits {
    int classNameId;           // string resource: window class and title
    const char* itemName;      // key under the Today items key
    const char* iconResource;  // Qt resource of the item's icon
    const char* database;      // opened for change notifications
    const char* changeFlag;    // registry flag the application raises
    int emptyTextId;           // shown without entries
    bool reloadsOnEndedEntries;
};

class CTodayItemWnd : public QWidget {
public:
    CTodayItemWnd(const TodayItemTraits& traits, QWidget* todayScreen);
    ~CTodayItemWnd() override;

    // Mounts pim.vol and opens the item's database with a notification
    // request; false (and no notifications) when the store cannot be opened.
    bool OpenStoreForNotifications();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // Fills m_entries again for the clock's day.
    virtual void Reload(const TodayClock& clock) = 0;
    virtual int ItemHeight() const = 0;
    // Draws the entries from the top margin down.
    virtual void PaintEntries(QPainter& painter, const QColor& text) const = 0;

    const TodayDensity& Density() const { return m_density; }
    const std::string& AppPath() const { return m_appPath; }
    CEDBHANDLE Database() const { return m_database; }
    int LineHeight() const { return m_lineHeight; }

    TodayEntries m_entries;

private:
    // The refresh handshake: 1 when the height changed.
    LRESULT QueryRefresh(TODAYLISTITEM* item);
    void CloseStore();
    void StartApplication() const;

    TodayItemTraits m_traits;
    TodayDensity m_density;
    std::string m_appPath;
    QPixmap m_icon;
    bool m_refreshNeeded = true;
    SolarDate m_rememberedDay;
    int m_lineHeight = 0;  // set by the last paint
    CEGUID m_volume;
    CEDBHANDLE m_database = kInvalidDbHandle;
    std::unique_ptr<PostingStoreWindow> m_storeWindow;
    std::unique_ptr<CENOTIFYREQUEST> m_notifyRequest;
};

// InitializeCustomItem of an item library: creates, shows and connects the item.
template <typename Window>
QWidget* InitializeTodayItem(TODAYLISTITEM* item, QWidget* parent)
{
    if (parent == nullptr) return nullptr;
    auto* window = new Window(parent);
    window->show();
    window->OpenStoreForNotifications();  // without it the item still shows its entries
    if (item) item->hwndCustom = window;
    return window;
}

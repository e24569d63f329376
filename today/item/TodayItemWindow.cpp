#include "today/item/TodayItemWindow.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>

#include "platform/device/DeviceDirectory.h"
#include "platform/shell/Density.h"
#include "platform/shell/ShellServices.h"
#include "resources/StringTable.h"
#include "settings/ChangeFlags.h"
#include "platform/shell/PostingStoreWindow.h"
#include "today/listing/TodaySettings.h"

namespace {

// The Dayvane launcher link in the program folder.
constexpr const char* kApplicationLink = "Dayvane";

QColor FromColorRef(LRESULT colorRef)
{
    const auto value = static_cast<uint32_t>(colorRef);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QPixmap RenderIcon(const char* resource, int width, int height)
{
    QPixmap icon(width, height);
    icon.fill(Qt::transparent);
    QSvgRenderer renderer{QString::fromUtf8(resource)};
    QPainter painter(&icon);
    renderer.render(&painter);
    return icon;
}

} // namespace

CTodayItemWnd::CTodayItemWnd(const TodayItemTraits& traits, QWidget* todayScreen)
    : QWidget(todayScreen), m_traits(traits), m_appPath(ReadTodayAppPath(traits.itemName))
{
    // The item library keeps its own density, taken from the screen it lives on.
    const int dpiX = todayScreen->property(kTodayDpiXProperty).toInt();
    const int dpiY = todayScreen->property(kTodayDpiYProperty).toInt();
    if (SetDeviceDpi(dpiX, dpiY)) m_density = {dpiX, dpiY};
    else m_density = {DeviceDpiX(), DeviceDpiY()};
    const QString name = QString::fromUtf8(StringText(traits.classNameId));
    setObjectName(name);
    setWindowTitle(name);
    m_icon = RenderIcon(traits.iconResource, TodayIconWidth(m_density), TodayIconHeight(m_density));
    m_rememberedDay = CurrentTodayClock().today;
    resize(240, 0);
}

CTodayItemWnd::~CTodayItemWnd() { CloseStore(); }

bool CTodayItemWnd::OpenStoreForNotifications()
{
    CloseStore();
    m_storeWindow = std::make_unique<PostingStoreWindow>(this);
    m_notifyRequest = std::make_unique<CENOTIFYREQUEST>();
    m_notifyRequest->hwnd = m_storeWindow.get();
    m_notifyRequest->dwFlags = CEDB_EXNOTIFICATION;
    if (!std::filesystem::exists(StoreFile()) || !CeMountDBVolEx(&m_volume, StoreFile(), OPEN_EXISTING)) return false;
    m_database = CeOpenDatabaseInSession(&m_volume, m_traits.database, CEDB_AUTOINCREMENT, m_notifyRequest.get());
    return m_database != kInvalidDbHandle;
}

void CTodayItemWnd::CloseStore()
{
    // Closing the database ends its notifications before the window they go to.
    if (m_database != kInvalidDbHandle) CeCloseDatabase(m_database);
    m_database = kInvalidDbHandle;
    if (m_volume.volume) CeUnmountDBVol(&m_volume);
    m_volume = {};
    // Notifications already queued are handled, and so given back, now: Qt
    // would drop them unread with the window.
    QCoreApplication::sendPostedEvents(this, WindowMessageEventType(WM_DBNOTIFICATION));
}

bool CTodayItemWnd::event(QEvent* event)
{
    if (const WindowMessageEvent* message = AsWindowMessage(event, WM_DBNOTIFICATION)) {
        if (CENOTIFICATION* const* notification = message->PayloadAs<CENOTIFICATION*>()) {
            const uint32_t type = (*notification)->uType;
            if (type == DB_CEOID_CREATED || type == DB_CEOID_RECORD_DELETED || type == DB_CEOID_CHANGED)
                m_refreshNeeded = true;
            CeFreeNotification(m_notifyRequest.get(), *notification);
        }
        message->SetResult(1);
        return true;
    }
    if (const WindowMessageEvent* message = AsWindowMessage(event, WM_TODAYCUSTOM_QUERYREFRESHCACHE)) {
        message->SetResult(QueryRefresh(reinterpret_cast<TODAYLISTITEM*>(message->WParam())));
        return true;
    }
    return QWidget::event(event);
}

LRESULT CTodayItemWnd::QueryRefresh(TODAYLISTITEM* item)
{
    if (item == nullptr || !ShellApiReadySignalled()) return 0;
    bool reload = m_refreshNeeded || item->cyp == 0;
    m_refreshNeeded = false;
    const TodayClock clock = CurrentTodayClock();
    if (TakeChangeFlag(m_traits.changeFlag)) {
        reload = true;
    } else if (!reload) {
        if (!(clock.today == m_rememberedDay)) {
            m_rememberedDay = clock.today;
            reload = true;
        } else if (m_traits.reloadsOnEndedEntries) {
            reload = AnyTodayEntryEnded(m_entries, clock);
        }
    }
    if (reload) {
        Reload(clock);
        update();
    }
    const int height = ItemHeight();
    if (height == item->cyp) return 0;
    item->cyp = height;
    return 1;
}

void CTodayItemWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TODAYDRAWWATERMARKINFO watermark{&painter, rect(), this};
    SendWindowMessage(parentWidget(), TODAYM_DRAWWATERMARK, reinterpret_cast<WPARAM>(&watermark));

    QFont font = painter.font();
    if (const int size = GetUIFontSizePixels(); size > 0) font.setPixelSize(size);
    painter.setFont(font);
    m_lineHeight = painter.fontMetrics().height() + 1;
    const QColor text = FromColorRef(SendWindowMessage(parentWidget(), TODAYM_GETCOLOR, TODAYCOLOR_TEXT));
    painter.setPen(text);
    painter.drawPixmap(TodayMarginX(m_density), TodayMarginY(m_density), m_icon);
    if (m_entries.empty()) {
        painter.drawText(TodayTextX(m_density), TodayMarginY(m_density) + painter.fontMetrics().ascent(),
                         QString::fromUtf8(StringText(m_traits.emptyTextId)));
        return;
    }
    PaintEntries(painter, text);
}

void CTodayItemWnd::mousePressEvent(QMouseEvent* event)
{
    PostWindowMessage(parentWidget(), TODAYM_TOOKSELECTION, reinterpret_cast<WPARAM>(this), 0);
    QWidget::mousePressEvent(event);
}

void CTodayItemWnd::mouseReleaseEvent(QMouseEvent* event)
{
    StartApplication();
    QWidget::mouseReleaseEvent(event);
}

void CTodayItemWnd::StartApplication() const
{
    // Without "APP_PATH" there is nothing to start. A running Dayvane comes to
    // the front by its own single-instance rule.
    if (m_appPath.empty()) return;
    const std::filesystem::path program = std::filesystem::path(m_appPath) / kApplicationLink;
    QProcess::startDetached(QString::fromStdString(program.string()), {});
}

#include "today/host/TodayScreenWnd.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QPainter>

#include "platform/shell/Density.h"
#include "platform/time/PlatformTime.h"
#include "resources/StringTable.h"

namespace {

// The plain theme: background, selection and text (text as COLORREF).
const QColor kBackground(0xF4, 0xF7, 0xFB);
const QColor kSelection(0xD6, 0xE4, 0xF7);
const QColor kHeaderBand(0x24, 0x59, 0xB8);
constexpr uint32_t kTextColorRef = 0x201A1A;
const QColor kRefusalText(0xB0, 0x20, 0x20);

QString Refusal(const std::string& name, const std::string& why)
{
    QString text = QString::fromUtf8(StringText(IDS_TODAY_ITEM_REFUSED));
    text.replace(text.indexOf("%s"), 2, QString::fromStdString(name));
    text.replace(text.indexOf("%s"), 2, QString::fromStdString(why));
    return text;
}

} // namespace

CTodayScreenWnd::CTodayScreenWnd(int dpiX, int dpiY, QWidget* parent) : QWidget(parent), m_dpiX(dpiX), m_dpiY(dpiY)
{
    setObjectName("TodayScreen");
    setProperty(kTodayDpiXProperty, dpiX);
    setProperty(kTodayDpiYProperty, dpiY);
    setAutoFillBackground(false);
}

CTodayScreenWnd::~CTodayScreenWnd()
{
    // Items go before their libraries, and so do the messages they posted
    // here: those events were made by a library's code.
    for (LoadedItem& item : m_items) delete item.record.hwndCustom;
    QCoreApplication::removePostedEvents(this);
    m_items.clear();
}

void CTodayScreenWnd::LoadItems(const std::vector<TodayItemRegistration>& items)
{
    for (const TodayItemRegistration& registration : items) {
        if (!registration.enabled) continue;
        LoadedItem item;
        item.record.szName = registration.name;
        item.record.szDLLPath = registration.dllPath;
        item.record.dwOrder = registration.order;
        item.library = std::make_unique<ItemLibrary>();
        if (!item.library->Load(registration.dllPath)) {
            m_refusals << Refusal(registration.name, item.library->Error());
            continue;
        }
        if (!item.library->Initialize()(&item.record, this) || !item.record.hwndCustom) {
            m_refusals << Refusal(registration.name, StringText(IDS_TODAY_ITEM_NOT_CREATED));
            continue;
        }
        m_items.push_back(std::move(item));
    }
    Layout();
    SignalShellApiReady();
    m_refreshTimer.start(kRefreshMilliseconds, this);
}

std::vector<const TODAYLISTITEM*> CTodayScreenWnd::Items() const
{
    std::vector<const TODAYLISTITEM*> records;
    for (const LoadedItem& item : m_items) records.push_back(&item.record);
    return records;
}

void CTodayScreenWnd::QueryItems()
{
    bool layout = false;
    for (LoadedItem& item : m_items) {
        const auto wParam = reinterpret_cast<WPARAM>(&item.record);
        layout |= SendWindowMessage(item.record.hwndCustom, WM_TODAYCUSTOM_QUERYREFRESHCACHE, wParam) != 0;
    }
    if (layout) Layout();
}

int CTodayScreenWnd::HeaderHeight() const { return ScaleForDpi(28, m_dpiY); }
int CTodayScreenWnd::RefusalLineHeight() const { return ScaleForDpi(16, m_dpiY); }

void CTodayScreenWnd::Layout()
{
    int y = HeaderHeight() + ScaleForDpi(4, m_dpiY) + RefusalLineHeight() * static_cast<int>(m_refusals.size());
    for (LoadedItem& item : m_items) {
        item.record.hwndCustom->setGeometry(0, y, width(), item.record.cyp);
        y += item.record.cyp;
    }
    update();
}

void CTodayScreenWnd::resizeEvent(QResizeEvent*) { Layout(); }

void CTodayScreenWnd::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_refreshTimer.timerId()) QueryItems();
}

bool CTodayScreenWnd::event(QEvent* event)
{
    if (const WindowMessageEvent* message = AsWindowMessage(event, TODAYM_GETCOLOR)) {
        message->SetResult(message->WParam() == TODAYCOLOR_TEXT ? kTextColorRef : 0);
        return true;
    }
    if (const WindowMessageEvent* message = AsWindowMessage(event, TODAYM_DRAWWATERMARK)) {
        if (auto* info = reinterpret_cast<const TODAYDRAWWATERMARKINFO*>(message->WParam())) DrawWatermark(*info);
        message->SetResult(1);
        return true;
    }
    if (const WindowMessageEvent* message = AsWindowMessage(event, TODAYM_TOOKSELECTION)) {
        m_selected = reinterpret_cast<QWidget*>(message->WParam());
        for (LoadedItem& item : m_items) item.record.hwndCustom->update();
        return true;
    }
    if (event->type() == QEvent::WindowActivate) QueryItems();
    return QWidget::event(event);
}

void CTodayScreenWnd::DrawWatermark(const TODAYDRAWWATERMARKINFO& info) const
{
    if (info.hdc == nullptr) return;
    info.hdc->fillRect(info.rc, info.hwnd == m_selected ? kSelection : kBackground);
}

void CTodayScreenWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    const int header = HeaderHeight();
    painter.fillRect(0, 0, width(), header, kHeaderBand);
    SYSTEMTIME now;
    GetLocalTime(now);
    const QDate today(now.wYear, now.wMonth, now.wDay);
    QFont font = painter.font();
    font.setPixelSize(ScaleForDpi(13, m_dpiY));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(ScaleForDpi(6, m_dpiX), 0, width(), header), Qt::AlignVCenter | Qt::AlignLeft,
                     QLocale(QLocale::Korean).toString(today, QLocale::LongFormat));
    font.setBold(false);
    font.setPixelSize(ScaleForDpi(10, m_dpiY));
    painter.setFont(font);
    painter.setPen(kRefusalText);
    const int textWidth = width() - ScaleForDpi(12, m_dpiX);
    int y = header + ScaleForDpi(4, m_dpiY);
    for (const QString& refusal : m_refusals) {
        painter.drawText(QRect(ScaleForDpi(6, m_dpiX), y, textWidth, RefusalLineHeight()), Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(refusal, Qt::ElideRight, textWidth));
        y += RefusalLineHeight();
    }
}

#include "views/anniversary/AnniversaryView.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "calendar/Anniversary.h"
#include "platform/shell/TapAndHold.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "views/HeaderBand.h"
#include "views/ColorRef.h"
#include "agenda/WeekDates.h"

namespace {

constexpr int kMinimumSide = 100;

// The commands of the list's strokes; other strokes do nothing.
int CommandOfStroke(const QString& digits) {
    if (digits == QLatin1String("646")) return ID_DELETE_ITEM;
    if (digits == QLatin1String("42")) return ID_NEW_ANNIVERSARY_DATE;
    if (digits == QLatin1String("62")) return ID_EDIT_ITEM;
    return 0;
}

}  // namespace

CAnniversaryView::CAnniversaryView(FrameViewHost& host, QWidget* parent, PopupMenuRunner runMenu)
    : CViewEx(host, parent), m_host(host), m_list(*this), m_runMenu(std::move(runMenu)) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    m_hold = new TapAndHold(this);
    connect(m_hold, &TapAndHold::held, this, [this](QPoint pos) { ShowHoldMenu(pos); });
    PrepareCommandSurface();
    ApplyAnniversaryFont();
    RefreshAnniversaryView(0);
}

void CAnniversaryView::PrepareCommandSurface() {
    if (QMenu* popup = m_host.RightSoftKeyPopup())
        ReplaceMenu(*popup, AnniversaryViewSoftKeyMenu());
    else
        m_host.ShowItemButtons(true, false);
}

void CAnniversaryView::ApplyAnniversaryFont() {
    const Settings& settings = GetSettings();
    m_list.SetRowFont(QString::fromStdString(settings.m_AnnvFontName), settings.m_AnnvFontSize,
                      settings.m_ClearType != 0);
    update();
}

void CAnniversaryView::RefreshAnniversaryView(int repaint) {
    const int position = m_list.GetSelectedIndex();
    const SolarDate today = DateOfTime(Now());
    std::vector<AnniversaryOccurrence> rows = RankAnniversaries(m_host.GetAnniversaries(), today,
                                                                   AgeCountingFromSetting(GetSettings().m_AgeCount));
    if (GetSettings().m_ShowHolidays != 0) AddNextSubstituteHoliday(rows, today);
    m_list.SetRows(std::move(rows));
    m_list.SetSelectedIndex(position);
    Layout();
    UpdateTitle();
    if (repaint == 1) update();
}

std::optional<AnniversaryOccurrence> CAnniversaryView::GetSelectedAnniversary() const {
    const int selected = m_list.GetSelectedIndex();
    if (selected < 0 || selected >= m_list.Count()) return std::nullopt;
    return m_list.Row(selected);
}

void CAnniversaryView::Layout() {
    m_layoutSize = size();
    m_laidOut = width() >= kMinimumSide && height() >= kMinimumSide;
    if (!m_laidOut) {
        m_list.SetRect(0, 0, 0, 0);
        return;
    }
    m_portrait = height() > width();
    if (m_portrait) {
        const int top = HeaderContentTop(*this);
        m_list.SetRect(0, top, width(), height() - S(16, Axis::Y) - 4);
    } else {
        m_list.SetRect(0, 0, width(), height());
    }
}

QString CAnniversaryView::Title() const {
    const SolarDate today = DateOfTime(Now());
    return QStringLiteral("%1/%2/%3")
        .arg(today.year, 4, 10, QLatin1Char(' '))
        .arg(today.month, 2, 10, QLatin1Char('0'))
        .arg(today.day, 2, 10, QLatin1Char('0'));
}

void CAnniversaryView::UpdateTitle() {
    if (!m_laidOut) return;
    m_host.SetViewTitle(m_portrait ? QString() : Title());
}

void CAnniversaryView::resizeEvent(QResizeEvent* event) {
    CViewEx::resizeEvent(event);
    Layout();
    UpdateTitle();
    update();
}

void CAnniversaryView::paintEvent(QPaintEvent* event) {
    RenderOffscreen();
    QPainter painter(this);
    painter.drawImage(event->rect(), m_offscreen, event->rect());
}

void CAnniversaryView::RenderOffscreen() {
    if (m_offscreen.size() != size()) m_offscreen = QImage(size(), QImage::Format_RGB32);
    if (m_offscreen.isNull()) return;
    m_offscreen.fill(Qt::white);
    // A hidden view gets its resize event only when shown.
    if (m_layoutSize != size()) Layout();
    if (!m_laidOut) return;
    QPainter dc(&m_offscreen);
    if (m_portrait) PaintHeaderBand(dc, *this, width(), Title(), GetSettings().m_ClearType != 0);
    m_list.Paint(dc);
}

void CAnniversaryView::MoveSelection(int code) {
    if (m_list.MoveSelection(code) == kListMoved) update();
}

void CAnniversaryView::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        CViewEx::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_host.PostCommand(ID_EDIT_ITEM);
        break;
    case Qt::Key_W:
        m_host.PostCommand(ID_VIEW_WEEK);
        break;
    case Qt::Key_M:
        m_host.PostCommand(ID_VIEW_MONTH_LUNAR);
        break;
    case Qt::Key_Up:
    case Qt::Key_R:
        MoveSelection(Qt::Key_Up);
        break;
    case Qt::Key_Down:
    case Qt::Key_C:
        MoveSelection(Qt::Key_Down);
        break;
    case Qt::Key_Left:
    case Qt::Key_D:
        MoveSelection(kListPageUp);
        break;
    case Qt::Key_Right:
    case Qt::Key_G:
        MoveSelection(kListPageDown);
        break;
    default:
        CViewEx::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CAnniversaryView::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (!m_laidOut || !rect().contains(point)) return;
    if (event->button() == Qt::RightButton) {
        // A desktop's context click stands for the held pen.
        const QPoint local = InList(point);
        m_list.PenDown(local.x(), local.y());
        m_list.PenUp();
        update();
        ShowHoldMenu(point);
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    m_penCaptured = true;
    m_forwardMoves = true;
    m_stroke.Begin(point);
    const QPoint local = InList(point);
    m_list.PenDown(local.x(), local.y());
    update();
}

void CAnniversaryView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_penCaptured) return;
    const QPoint point = event->position().toPoint();
    if (m_forwardMoves) {
        const QPoint local = InList(point);
        m_list.PenMove(local.x(), local.y());
    }
    // A sideways stroke no longer drags the list.
    if (m_stroke.Move(point)) m_forwardMoves = false;
}

void CAnniversaryView::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_penCaptured || event->button() != Qt::LeftButton) return;
    const int command = CommandOfStroke(m_stroke.Digits());
    EndPenCapture();
    if (command != 0) m_host.PostCommand(command);
}

void CAnniversaryView::EndPenCapture() {
    if (!m_penCaptured) return;
    m_penCaptured = false;
    m_list.PenUp();
    m_stroke.Clear();
    m_forwardMoves = false;
}

void CAnniversaryView::ShowHoldMenu(QPoint point) {
    // The menu takes the pen; its release must not end a stroke here.
    EndPenCapture();
    const int command = m_runMenu(this, AnniversaryViewHoldMenu(), mapToGlobal(point), PopupCorner::TopLeft);
    if (command != 0) m_host.PostCommand(command);
}

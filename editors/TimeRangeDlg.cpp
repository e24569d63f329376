#include "editors/TimeRangeDlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include "editors/ColorStatic.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/ShellServices.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

namespace {

constexpr int64_t kEditedText = 0xFFFFFF;
constexpr int64_t kEditedBackground = 0x000000;

QString HourEntry(int hour)
{
    if (hour == 0)
        return QStringLiteral(" 12A");
    if (hour == 12)
        return QStringLiteral(" 12P");
    return QStringLiteral(" %1").arg(hour % 12, 2, 10, QLatin1Char('0'));
}

QString MinuteEntry(int index)
{
    const int minute = index * 5;
    const QString text = QStringLiteral(" %1").arg(minute, 2, 10, QLatin1Char('0'));
    // The hour and the half hour stand out.
    return minute == 0 || minute == 30 ? text + QLatin1Char('<') : text;
}

QString TimeText(TimeValue t, bool hour24)
{
    const TimeParts parts = *PartsFromTime(t);
    return QString::fromStdString(FormatTime(parts.tm_hour, parts.tm_min, hour24));
}

}  // namespace

CTimeRangeDlg::CTimeRangeDlg(QWidget* owner, const Settings& settings)
    : CDeviceDialog(owner, QSize(132, 107), Placement::Popup), m_settings(settings)
{
    setObjectName(QStringLiteral("timeRange"));
    m_title = new QLabel(this);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    Place(m_title, 10, 4, 58, 11);

    auto* startCaption = new QLabel(LoadString(IDS_LABEL_START_TIME), this);
    Place(startCaption, 10, 20, 58, 10);
    m_startLabel = new CColorStatic(this);
    m_startLabel->setObjectName(QStringLiteral("1222"));
    Place(m_startLabel, 10, 31, 43, 11);
    auto* endCaption = new QLabel(LoadString(IDS_LABEL_END_TIME), this);
    Place(endCaption, 10, 48, 58, 10);
    m_endLabel = new CColorStatic(this);
    m_endLabel->setObjectName(QStringLiteral("1223"));
    Place(m_endLabel, 10, 59, 43, 11);

    m_hours = new QListWidget(this);
    m_hours->setObjectName(QStringLiteral("1214"));
    for (int hour = 0; hour < 24; ++hour)
        m_hours->addItem(HourEntry(hour));
    Place(m_hours, 71, 17, 29, 83);
    m_minutes = new QListWidget(this);
    m_minutes->setObjectName(QStringLiteral("1213"));
    for (int index = 0; index < 12; ++index)
        m_minutes->addItem(MinuteEntry(index));
    Place(m_minutes, 101, 17, 24, 83);

    auto* ok = new QPushButton(LoadString(IDS_KEY_OK), this);
    ok->setObjectName(QStringLiteral("1"));
    Place(ok, 7, 88, 28, 13);
    auto* cancel = new QPushButton(LoadString(IDS_KEY_CANCEL), this);
    cancel->setObjectName(QStringLiteral("2"));
    Place(cancel, 37, 88, 28, 13);
    connect(ok, &QPushButton::clicked, this, [this] { Command(IDOK); });
    connect(cancel, &QPushButton::clicked, this, [this] { Command(IDCANCEL); });

    connect(m_hours, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_filling || row < 0)
            return;
        m_range.ChooseHour(row);
        ShowRange();
    });
    connect(m_minutes, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_filling || row < 0)
            return;
        m_range.ChooseMinute(row * 5);
        ShowRange();
    });
    for (QWidget* watched : {static_cast<QWidget*>(m_startLabel), static_cast<QWidget*>(m_endLabel),
                             static_cast<QWidget*>(m_hours), static_cast<QWidget*>(m_minutes)})
        watched->installEventFilter(this);
    // The lists are tapped, not typed into.
    HideInputPanelButton(this);
}

void CTimeRangeDlg::SetStart(TimeValue start)
{
    m_range.SetStart(start);
    ShowRange();
}

void CTimeRangeDlg::SetEnd(TimeValue end)
{
    m_range.SetEnd(end);
    ShowRange();
}

void CTimeRangeDlg::SetTitle(const QString& title)
{
    setWindowTitle(title);
    m_title->setText(title);
}

void CTimeRangeDlg::Edit(TimeRange::Edited which, QWidget* focus)
{
    m_range.SetEdited(which);
    ShowRange();
    focus->setFocus();
}

void CTimeRangeDlg::ShowRange()
{
    const bool hour24 = m_settings.m_24hour != 0;
    m_startLabel->setText(TimeText(m_range.Start(), hour24));
    m_endLabel->setText(TimeText(m_range.End(), hour24));
    const bool editingStart = m_range.Editing() == TimeRange::Edited::Start;
    CColorStatic* edited = editingStart ? m_startLabel : m_endLabel;
    CColorStatic* other = editingStart ? m_endLabel : m_startLabel;
    edited->SetTextColor(kEditedText);
    edited->SetBackgroundColor(kEditedBackground);
    other->SetTextColor(CColorStatic::kDefaultColor);
    other->SetBackgroundColor(CColorStatic::kDefaultColor);
    m_filling = true;
    m_hours->setCurrentRow(m_range.HourIndex());
    m_minutes->setCurrentRow(m_range.MinuteIndex());
    m_filling = false;
}

void CTimeRangeDlg::OnOK()
{
    if (m_range.NeedsNextDay()) {
        const int answer = MessageBox(this, LoadString(IDS_END_NOT_AFTER_START), LoadString(IDS_PRODUCT_NAME),
                                      MB_YESNO | MB_ICONQUESTION);
        if (answer != IDYES)
            return;
        m_range.MoveEndToNextDay();
        ShowRange();
    }
    done(kDialogResultSaved);
}

bool CTimeRangeDlg::OnListKey(QListWidget* list, int key)
{
    const bool editingStart = m_range.Editing() == TimeRange::Edited::Start;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (list == m_hours)
            m_minutes->setFocus();
        else if (editingStart)
            Edit(TimeRange::Edited::End, m_hours);
        else
            Command(IDOK);
        return true;
    }
    if (key == Qt::Key_Backspace) {
        if (list == m_minutes)
            m_hours->setFocus();
        else if (!editingStart)
            Edit(TimeRange::Edited::Start, m_minutes);
        else
            Command(IDCANCEL);
        return true;
    }
    return false;
}

bool CTimeRangeDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_startLabel)
            Edit(TimeRange::Edited::Start, m_hours);
        else if (watched == m_endLabel)
            Edit(TimeRange::Edited::End, m_hours);
    } else if (event->type() == QEvent::KeyPress && (watched == m_hours || watched == m_minutes)) {
        return OnListKey(static_cast<QListWidget*>(watched), static_cast<QKeyEvent*>(event)->key());
    }
    return CDeviceDialog::eventFilter(watched, event);
}

void CTimeRangeDlg::paintEvent(QPaintEvent* event)
{
    CDeviceDialog::paintEvent(event);
    // A pop-up without a caption still shows where it ends.
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CTimeRangeDlg::EditEndFirst() { Edit(TimeRange::Edited::End, m_hours); }

#include "platform/shell/TapAndHold.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/shell/Density.h"

// The ring of dots drawn around the pen while it is held.
class HoldIndicator : public QWidget {
public:
    static constexpr int kDots = 8;

    HoldIndicator(QWidget* parent, QPoint centre) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        const int radius = ScaleX(kRadius96 + kDotRadius96 + 1);
        setGeometry(centre.x() - radius, centre.y() - radius, 2 * radius + 1, 2 * radius + 1);
        raise();
        show();
    }

    void SetDotsShown(int dots)
    {
        dots = std::clamp(dots, 0, kDots);
        if (dots != m_dots) {
            m_dots = dots;
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xE0, 0x20, 0x20));
        const QPointF centre(width() / 2.0, height() / 2.0);
        const double radius = ScaleX(kRadius96);
        const double dotRadius = ScaleX(kDotRadius96);
        for (int i = 0; i < m_dots; ++i) {
            // Clockwise from twelve o'clock.
            const double angle = 2.0 * std::numbers::pi * i / kDots - std::numbers::pi / 2.0;
            const QPointF at(centre.x() + radius * std::cos(angle),
                             centre.y() + radius * std::sin(angle));
            painter.drawEllipse(at, dotRadius, dotRadius);
        }
    }

private:
    static constexpr int kRadius96 = 10;
    static constexpr int kDotRadius96 = 2;
    int m_dots = 0;
};

namespace {

constexpr int kSlop96 = 4;
constexpr int kLongestTick = 60;

}  // namespace

TapAndHold::TapAndHold(QWidget* target)
    : QObject(target),
      m_target(target),
      m_delay(QGuiApplication::styleHints()->mousePressAndHoldInterval()),
      m_slop(ScaleX(kSlop96))
{
    m_tick.setTimerType(Qt::PreciseTimer);
    connect(&m_tick, &QTimer::timeout, this, &TapAndHold::Tick);
    target->installEventFilter(this);
}

TapAndHold::~TapAndHold() { Cancel(); }

void TapAndHold::SetHoldDelay(int milliseconds) { m_delay = std::max(1, milliseconds); }

void TapAndHold::SetSlop(int pixels) { m_slop = std::max(0, pixels); }

void TapAndHold::Cancel()
{
    m_pending = false;
    m_tick.stop();
    if (m_indicator != nullptr)
        m_indicator->deleteLater();
    m_indicator = nullptr;
}

void TapAndHold::Start(QPoint pos)
{
    Cancel();
    m_pending = true;
    m_origin = pos;
    m_elapsed.start();
    m_tick.start(std::clamp(m_delay / HoldIndicator::kDots, 1, kLongestTick));
}

void TapAndHold::Tick()
{
    if (!m_pending)
        return;
    const qint64 elapsed = m_elapsed.elapsed();
    if (elapsed >= m_delay) {
        const QPoint pos = m_origin;
        Cancel();
        emit held(pos);
        return;
    }
    // The dots only start after a short pause so that a plain tap shows none.
    const int dots = static_cast<int>(elapsed * HoldIndicator::kDots / m_delay);
    if (m_indicatorEnabled && dots > 0) {
        if (m_indicator == nullptr)
            m_indicator = new HoldIndicator(m_target, m_origin);
        m_indicator->SetDotsShown(dots);
    }
}

bool TapAndHold::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_target)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            Start(mouse->position().toPoint());
        else
            Cancel();
        break;
    }
    case QEvent::MouseMove:
        if (m_pending) {
            const auto* mouse = static_cast<const QMouseEvent*>(event);
            const QPoint delta = mouse->position().toPoint() - m_origin;
            if (std::hypot(delta.x(), delta.y()) > m_slop)
                Cancel();
        }
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::Hide:
    case QEvent::WindowDeactivate:
        Cancel();
        break;
    default:
        break;
    }
    return false;
}

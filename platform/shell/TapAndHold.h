// Tap-and-hold recognition: the pen pressed and held in place for the
// platform's delay is the context-menu gesture. While the pen is held a ring
// of red dots fills in around it.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

class QWidget;
class HoldIndicator;

class TapAndHold : public QObject {
    Q_OBJECT

public:
    // Watches the target's mouse events; lives and dies with the target.
    explicit TapAndHold(QWidget* target);
    ~TapAndHold() override;

    // How long the pen must stay down (default: the platform's press-and-hold
    // interval) and how far it may wander (default: 4 pixels at 96 dpi).
    void SetHoldDelay(int milliseconds);
    int HoldDelay() const { return m_delay; }
    void SetSlop(int pixels);
    int Slop() const { return m_slop; }
    void SetIndicatorEnabled(bool enabled) { m_indicatorEnabled = enabled; }

    // Whether a press is being watched right now.
    bool IsPending() const { return m_pending; }
    // Forgets the current press (for example when the view takes the pen
    // for a stroke of its own).
    void Cancel();

signals:
    // The pen was held at pos (target coordinates) for the delay.
    void held(QPoint pos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Start(QPoint pos);
    void Tick();

    QWidget* m_target;
    QTimer m_tick;
    QElapsedTimer m_elapsed;
    QPoint m_origin;
    QPointer<HoldIndicator> m_indicator;
    int m_delay;
    int m_slop;
    bool m_pending = false;
    bool m_indicatorEnabled = true;
};

// Pen strokes that stand for commands: the pen's path is reduced to direction
// digits ("6" right, "8" up, "4" left, "2" down), one digit per change of
// direction, and a few digit strings name commands.
#pragma once

#include <QPoint>
#include <QString>

// Moves shorter than this (whole pixels) do not count.
inline constexpr int kStrokeMinimumStep = 10;

// The digit for a direction given in degrees, upwards positive.
QChar StrokeDigitForAngle(double degrees);

class PenStroke {
public:
    // Empties the stroke and starts measuring from the point.
    void Begin(QPoint start);
    // Records the pen at `pen`. Returns true when the stroke has just become a
    // plain sideways one ("4" or "6"): the pen is then no longer dragging the
    // list under it.
    bool Move(QPoint pen);
    void Clear() { m_digits.clear(); }
    const QString& Digits() const { return m_digits; }

private:
    QPoint m_start;
    QString m_digits;
};

enum class StrokeCommand {
    None,
    ToggleCompletion,  // "6"
    Delete,            // "646"
    NewAppointment,    // "42"
    NewTask,           // "48"
    Edit,              // "62"
};

StrokeCommand CommandForStroke(const QString& digits);

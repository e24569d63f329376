#include "views/PenStroke.h"

#include <cmath>
#include <numbers>

QChar StrokeDigitForAngle(double degrees) {
    if (degrees > -45.0 && degrees <= 45.0) return QLatin1Char('6');
    if (degrees > 45.0 && degrees <= 135.0) return QLatin1Char('8');
    if (degrees > -135.0 && degrees <= -45.0) return QLatin1Char('2');
    return QLatin1Char('4');
}

void PenStroke::Begin(QPoint start) {
    m_start = start;
    m_digits.clear();
}

bool PenStroke::Move(QPoint pen) {
    const double dx = pen.x() - m_start.x();
    const double dy = m_start.y() - pen.y();  // screen y grows downwards
    const int distance = static_cast<int>(std::sqrt(dx * dx + dy * dy));
    if (distance <= kStrokeMinimumStep) return false;
    const QChar digit = StrokeDigitForAngle(std::atan2(dy, dx) * 180.0 / std::numbers::pi);
    if (m_digits.isEmpty() || m_digits.back() != digit) m_digits.append(digit);
    m_start = pen;
    return m_digits == QLatin1String("4") || m_digits == QLatin1String("6");
}

StrokeCommand CommandForStroke(const QString& digits) {
    if (digits == QLatin1String("6")) return StrokeCommand::ToggleCompletion;
    if (digits == QLatin1String("646")) return StrokeCommand::Delete;
    if (digits == QLatin1String("42")) return StrokeCommand::NewAppointment;
    if (digits == QLatin1String("48")) return StrokeCommand::NewTask;
    if (digits == QLatin1String("62")) return StrokeCommand::Edit;
    return StrokeCommand::None;
}

// The reminder and recurrence button images of the item editors, in the
// three density sets: 18, 25 and 36 pixels square.
#pragma once

#include <QPixmap>

enum class RecurrenceImage {
    None,            // grey arrows
    Recurring,       // blue arrows
    OccurrenceOnly,  // blue arrows struck through in red
};

// The image set of the horizontal dpi (0 up to 96, 1 to 131, 2 above).
int ItemImageSize(int dpiX);
QPixmap ReminderImage(bool set, int dpiX);
QPixmap RecurrenceButtonImage(RecurrenceImage image, int dpiX);

// The reminder and recurrence button images of the item editors, in the
// three density sets: 18, 25 and 36 pixels square; and the images of the
// editors' command bar buttons.
#pragma once

#include <QIcon>
#include <QPixmap>

#include "platform/shell/CommandBar.h"

enum class RecurrenceImage {
    None,            // grey arrows
    Recurring,       // blue arrows
    OccurrenceOnly,  // blue arrows struck through in red
};

// The image set of the horizontal dpi (0 up to 96, 1 to 131, 2 above).
int ItemImageSize(int dpiX);
QPixmap ReminderImage(bool set, int dpiX);
QPixmap RecurrenceButtonImage(RecurrenceImage image, int dpiX);

// The command bar image of a dialog command (save, cancel, notes, pen mode,
// clear notes) at the device's density; null for a command without one.
QIcon EditorCommandIcon(int commandId);
// A command bar button with the command's image and a text from the string
// table (none for stringId 0).
CommandBarButton EditorImageButton(int commandId, int stringId, bool checkable = false, bool checked = false);

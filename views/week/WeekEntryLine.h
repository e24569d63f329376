// What a day cell draws of an entry.
#pragma once

#include "views/EntryPainter.h"
#include "pim/session/ItemModel.h"

inline DayCellLine LineOfEntry(const ItemEntry& entry) {
    DayCellLine line;
    line.leadText = QString::fromStdString(entry.leadText);
    line.bodyText = QString::fromStdString(entry.bodyText);
    line.color = entry.color;
    line.style = entry.style;
    // The importance bits choose the lead picture, not marks after the text.
    line.marks = entry.marks & (kMarkNotes | kMarkReminder | kMarkRecurring);
    return line;
}

// The pictures of the week view's entries and the lead texts drawn as
// pictures instead of text.
#pragma once

#include <QPixmap>
#include <QString>
#include <functional>

#include "pim/session/EntryMarks.h"

enum PictureId : int {
    kPictureReminder = 101,
    kPictureAllDayStart = 102,  // "(E)"
    kPictureNotes = 103,
    kPictureRecurrence = 104,
    kPictureEmptyDay = 105,  // "(NULL)"; 106 selected
    kPictureAllDayStartSelected = 107,
    kPictureTaskHigh = 108,  // "(T2)", "(FT2)"; 109 selected
    kPictureTaskNormal = 110,  // "(T1)", "(FT1)"; 111 selected
    kPictureTaskLow = 112,  // "(T0)", "(FT0)"; 113 selected
    kPictureContinued = 114,  // "<<"; 115 selected
    kPictureFirst = kPictureReminder,
    kPictureLast = 115,
};

// The picture id of a marker lead text (compared ignoring case), its selected
// variant when alternate; 0 when the lead is drawn as text.
int MarkerPictureId(const QString& lead, bool alternate);
inline bool IsMarkerLead(const QString& lead) { return MarkerPictureId(lead, false) != 0; }

// Where the pictures come from (the resource library); a null pixmap for an id
// it does not hold.
using PictureLookup = std::function<QPixmap(int id)>;

// The store's dates (OLE dates in local wall-clock time) as the editor's
// widgets show them: Qt date-times without a zone, so that a time inside a
// daylight-saving gap or overlap is kept as written.
#pragma once

#include <QDate>
#include <QDateTime>

#include <optional>

// Invalid for the no-date value and for dates Qt cannot show.
QDateTime DateTimeFromOle(double date);
std::optional<double> OleFromDateTime(const QDateTime& dateTime);
std::optional<double> OleFromDate(QDate date);

// An all-day appointment ends at the midnight after its last day; the editor
// shows and takes the last day itself.
QDate AllDayLastDay(double start, double end);
std::optional<double> AllDayEnd(QDate lastDay);

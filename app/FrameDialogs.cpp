#include "app/FrameDialogs.h"

#include <QDialog>

int FrameDialogs::EditAppointment(QWidget*, PoomAppointment&, ApptEditMode) { return kNoDialog; }

int FrameDialogs::EditTask(QWidget*, PoomTask&, bool) { return kNoDialog; }

int FrameDialogs::EditAnniversaryByDate(QWidget*, const AnniversaryEdit&) { return kNoDialog; }

int FrameDialogs::EditAnniversaryByDay(QWidget*, const AnniversaryEdit&) { return kNoDialog; }

bool FrameDialogs::PickDate(QWidget*, TimeValue&) { return false; }

int FrameDialogs::RunOptions(QWidget*, Settings&) { return kNoDialog; }

int FrameDialogs::RunWeatherServer(QWidget*, Settings&) { return kNoDialog; }

int FrameDialogs::RunModal(QDialog& dialog) { return dialog.exec(); }

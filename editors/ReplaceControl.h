// Putting a control of our own in the place of one a dialog template made.
#pragma once

class QWidget;

// The replacement takes the old control's name (its id), geometry, size
// policy, font, enabled and visible state and tool tip, goes after `previous`
// in the tab order (or where the old one was), and the old one is deleted.
void TakePlaceOf(QWidget* existing, QWidget* replacement, QWidget* previous);

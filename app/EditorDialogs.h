// The frame's dialogs as the application runs them: the anniversary editors
// and the date picker so far; the other editors keep the frame's default
// until their modules arrive.
#pragma once

#include "app/FrameDialogs.h"
#include "views/picker/PickerPainter.h"

class EditorDialogs : public FrameDialogs {
public:
    // The settings are the frame's and outlive the dialogs.
    explicit EditorDialogs(const Settings& settings) : m_settings(settings) {}

    // Public holidays for the date picker's day numbers.

    int EditAnniversaryByDate(QWidget* owner, const AnniversaryEdit& edit) override;
    int EditAnniversaryByDay(QWidget* owner, const AnniversaryEdit& edit) override;
    bool PickDate(QWidget* owner, TimeValue& date) override;

private:
    const Settings& m_settings;
};

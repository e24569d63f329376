// The platform's ink control: a child window holding the inner ink window
// (InkSurface), which it hands out for IM_GETINNERWINDOW. Callers talk to the
// inner window with the messages of InkMessages.h; InkNotes.h wraps the
// usual sequences.
#pragma once

#include <QWidget>

class InkSurface;

class InkControl : public QWidget {
    Q_OBJECT
public:
    // Bordered for an area inside a form, borderless to fill a window.
    explicit InkControl(QWidget* parent = nullptr, bool bordered = false);

    InkSurface* InnerWindow() const { return m_surface; }

protected:
    bool event(QEvent* event) override;

private:
    InkSurface* m_surface;
};

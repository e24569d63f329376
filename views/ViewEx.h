// The common base of the application's views: a child window of the frame
// that carries the drawing toolkit and knows its host.
#pragma once

#include <QWidget>

#include "views/DrawKit.h"
#include "views/ViewHost.h"

class CViewEx : public QWidget, public CDrawKit {
    Q_OBJECT
public:
    CViewEx(ViewHost& host, QWidget* parent = nullptr);

    ViewHost& Host() const { return m_host; }
    const Settings& GetSettings() const { return m_host.GetSettings(); }

private:
    ViewHost& m_host;
};

#include "platform/ink/InkControl.h"

#include <QVBoxLayout>

#include "platform/ink/InkMessages.h"
#include "platform/ink/InkSurface.h"

InkControl::InkControl(QWidget* parent, bool bordered) : QWidget(parent), m_surface(new InkSurface(this))
{
    m_surface->setObjectName("inkSurface");
    m_surface->setFrameShape(bordered ? QFrame::StyledPanel : QFrame::NoFrame);
    m_surface->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_surface);
    setFocusProxy(m_surface);
}

bool InkControl::event(QEvent* event)
{
    if (const WindowMessageEvent* message = AsWindowMessage(event, IM_GETINNERWINDOW)) {
        message->SetResult(reinterpret_cast<LRESULT>(static_cast<QWidget*>(m_surface)));
        return true;
    }
    return QWidget::event(event);
}

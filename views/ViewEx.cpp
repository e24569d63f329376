#include "views/ViewEx.h"

CViewEx::CViewEx(ViewHost& host, QWidget* parent)
    : QWidget(parent), CDrawKit(ScreenDpi::OfDevice()), m_host(host) {
    // Views paint every pixel themselves from off-screen images.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

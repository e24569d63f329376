#include "tests/views/ViewTestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <cstdlib>

#include "platform/shell/Density.h"

void EnsureTestApplication() {
    if (QApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("TZ", "UTC", 0);
    static int argc = 1;
    static char name[] = "views_test";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

void TestView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (CViewPart* part : parts) part->Paint(painter);
}

void TestView::mousePressEvent(QMouseEvent* event) {
    if (!list) return;
    const QPoint local = event->position().toPoint() - list->Rect().topLeft();
    lastMove = list->PenDown(local.x(), local.y());
}

void TestView::mouseMoveEvent(QMouseEvent* event) {
    if (!list) return;
    const QPoint local = event->position().toPoint() - list->Rect().topLeft();
    list->PenMove(local.x(), local.y());
}

void TestView::mouseReleaseEvent(QMouseEvent*) {
    if (list) list->PenUp();
}

void TestView::keyPressEvent(QKeyEvent* event) {
    if (!list) return;
    int code = event->key();
    if (code == Qt::Key_PageUp) code = kListPageUp;
    if (code == Qt::Key_PageDown) code = kListPageDown;
    lastMove = list->MoveSelection(code);
}

QImage PaintToImage(CViewPart& part, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    part.Paint(painter);
    return image;
}

QColor SquareColour(int id) {
    // Distinct, fully saturated hues that never occur in text or boxes.
    return QColor(QColor::fromHsv((id - kPictureFirst) * 24, 255, 255).rgb());
}

PictureLookup SquarePictures(int size) {
    return [size](int id) {
        QPixmap pixmap(size, size);
        pixmap.fill(SquareColour(id));
        return pixmap;
    };
}

DensityScope::DensityScope(int dpiX, int dpiY) : m_x(DeviceDpiX()), m_y(DeviceDpiY()) {
    SetDeviceDpi(dpiX, dpiY);
}

DensityScope::~DensityScope() { SetDeviceDpi(m_x, m_y); }

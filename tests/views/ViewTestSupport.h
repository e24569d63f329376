// Shared pieces of the view tests: the application object, a frame stand-in,
// a view that paints and feeds its parts, placeholder pictures.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <vector>

#include "views/CellListPart.h"
#include "views/Markers.h"
#include "views/ViewEx.h"

// Creates the application once (offscreen).
void EnsureTestApplication();

// Fixtures derive from this so that the application exists before their members.
class ViewTestBase : public ::testing::Test {
protected:
    ViewTestBase() { EnsureTestApplication(); }
};

class TestHost : public ViewHost {
public:
    Settings settings;
    TimeValue currentDate = 0;
    int setCount = 0;

    const Settings& GetSettings() const override { return settings; }
    TimeValue GetCurrentDate() const override { return currentDate; }
    void SetCurrentDate(TimeValue date) override {
        currentDate = date;
        ++setCount;
    }
};

// A view that paints its parts and passes pen and key input to one list.
class TestView : public CViewEx {
public:
    explicit TestView(ViewHost& host) : CViewEx(host) {}
    std::vector<CViewPart*> parts;
    CCellListPart* list = nullptr;
    int lastMove = -1;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Paints the part into an image of the owner's size.
QImage PaintToImage(CViewPart& part, QSize size);

// Plain coloured squares of the given size standing in for pictures 101-115;
// the selected variants are darker.
PictureLookup SquarePictures(int size);
QColor SquareColour(int id);

// The dpi values of the device for one test, restored afterwards.
class DensityScope {
public:
    DensityScope(int dpiX, int dpiY);
    ~DensityScope();

private:
    int m_x;
    int m_y;
};

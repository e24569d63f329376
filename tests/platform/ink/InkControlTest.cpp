#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "platform/ink/InkControl.h"
#include "platform/ink/InkMessages.h"
#include "platform/ink/InkNotes.h"
#include "platform/ink/InkStream.h"
#include "platform/ink/InkSurface.h"
#include "platform/text/NotesText.h"
#include "tests/platform/shell/QtTestApp.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Made before the widgets of the fixture.
struct WithApp {
    WithApp() { TestApp(); }
};

class InkControlTest : public ::testing::Test, WithApp {
protected:
    InkControlTest()
    {
        control.resize(240, 200);
        control.show();
    }

    InkSurface* Surface() { return control.InnerWindow(); }

    void Drag(std::initializer_list<QPoint> points)
    {
        QWidget* viewport = Surface()->viewport();
        auto point = points.begin();
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, *point);
        for (++point; point != points.end(); ++point) QTest::mouseMove(viewport, *point);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, *(points.end() - 1));
    }

    Bytes Taken()
    {
        Bytes blob{0xAA};
        EXPECT_TRUE(TakeNotesBlob(&control, blob));
        return blob;
    }

    InkControl control;
};

const InkContent kSketch{"점심 약속", {InkStroke{0xFF0000, 2, {{10, 10}, {60, 40}}}}};

}  // namespace

TEST_F(InkControlTest, ModesFollowTheMessageSequences)
{
    EXPECT_EQ(InnerInkWindow(&control), Surface());

    SetInkDrawingMode(&control);
    EXPECT_FALSE(Surface()->Typing());
    EXPECT_EQ(Surface()->View(), kInkViewWriting);
    EXPECT_EQ(Surface()->PageStyle(), kInkPageRuled);
    EXPECT_EQ(Surface()->Zoom(), 200);

    SetInkTypingMode(&control);
    EXPECT_TRUE(Surface()->Typing());
    EXPECT_EQ(Surface()->View(), kInkViewTyping);
    EXPECT_EQ(Surface()->PageStyle(), kInkPagePlain);
    EXPECT_EQ(Surface()->Zoom(), 100);

    EXPECT_NE(SendInkMessage(&control, IM_SETZOOM, 0, 0), 0);
    EXPECT_NE(SendInkMessage(&control, IM_SETZOOM, 0, 100000), 0);
    EXPECT_EQ(Surface()->Zoom(), 100);
}

TEST_F(InkControlTest, TypingEditsTextAndDrawingRecordsStrokes)
{
    SetInkTypingMode(&control);
    Surface()->setFocus();
    QTest::keyClicks(Surface(), "memo");
    Drag({{20, 20}, {80, 20}});
    EXPECT_EQ(Surface()->Content(), (InkContent{"memo", {}}));

    // At 200 % the pen lands in document pixels at 100 %.
    SetInkDrawingMode(&control);
    Surface()->SetPen(0x0000FF, 3);
    QTest::keyClicks(Surface(), "xyz");
    Drag({{40, 40}, {100, 40}, {100, 40}, {100, 80}});
    const InkContent content = Surface()->Content();
    EXPECT_EQ(content.text, "memo");
    ASSERT_EQ(content.strokes.size(), 1u);
    EXPECT_EQ(content.strokes[0], (InkStroke{0x0000FF, 3, {{20, 20}, {50, 20}, {50, 40}}}));

    // The stroke is painted, over the text, where it was drawn.
    SetInkTypingMode(&control);
    const QImage shot = Surface()->viewport()->grab().toImage();
    const QColor ink = shot.pixelColor(35, 20);
    EXPECT_GT(ink.red(), 200);
    EXPECT_LT(ink.blue(), 80);
}

TEST_F(InkControlTest, StreamsOutWhatItHoldsAndReadsItBack)
{
    EXPECT_TRUE(Taken().empty());  // an empty control streams out nothing

    const Bytes sketch = WriteInkStream(kSketch);
    ASSERT_TRUE(LoadNotesBlob(&control, sketch));
    EXPECT_EQ(Surface()->Content(), kSketch);
    SetInkDrawingMode(&control);
    SetInkTypingMode(&control);
    EXPECT_EQ(Taken(), sketch);

    // Text from iCalendar opens as typed text and, edited, stays in that form.
    ASSERT_TRUE(LoadNotesBlob(&control, NotesFromText("안건")));
    EXPECT_EQ(Surface()->toPlainText(), QString("안건"));
    Surface()->moveCursor(QTextCursor::End);
    QTest::keyClicks(Surface(), " 2");
    EXPECT_EQ(Taken(), NotesFromText("안건 2"));

    ClearInk(&control);
    EXPECT_TRUE(Taken().empty());
}

TEST_F(InkControlTest, ForeignInkOpensEmptyAndSurvivesUntouched)
{
    const Bytes foreign = {0x00, 0x01, 0x00, 0x00, 0x10, 0x08, 0x7F};
    for (const Bytes& blob : {foreign, Bytes{0xFE, 0xFF, 0x00, 0x00}, Bytes{0xFE, 0xFF, 0x0D, 0x00, 0x0A, 0x00, 0x00, 0x00}}) {
        ASSERT_TRUE(LoadNotesBlob(&control, blob));
        EXPECT_TRUE(Surface()->toPlainText().trimmed().isEmpty());
        EXPECT_TRUE(Surface()->Content().strokes.empty());
        EXPECT_EQ(Taken(), blob);
    }

    ASSERT_TRUE(LoadNotesBlob(&control, foreign));
    EXPECT_TRUE(Surface()->Content().Empty());
    QTest::keyClicks(Surface(), "new");
    EXPECT_EQ(Taken(), NotesFromText("new"));
}

TEST_F(InkControlTest, WithoutInnerWindowStreamsFailAndKeepTheBlob)
{
    QWidget notInk;
    Bytes blob = NotesFromText("keep");
    EXPECT_FALSE(LoadNotesBlob(&notInk, blob));
    EXPECT_FALSE(TakeNotesBlob(&notInk, blob));
    EXPECT_EQ(blob, NotesFromText("keep"));

    // A stream call with another format is refused and changes nothing.
    ASSERT_TRUE(LoadNotesBlob(&control, blob));
    EDITSTREAM stream;
    EXPECT_NE(SendInkMessage(&control, IM_STREAMOUT, 1, reinterpret_cast<LPARAM>(&stream)), 0);
    EXPECT_NE(SendInkMessage(&control, IM_STREAMIN, kInkStreamFormat, 0), 0);
    EXPECT_EQ(Taken(), blob);
}

// Measures and draws the entry lines of a week-view day cell: a lead (a time
// text, or a marker drawn as a picture), the body fitted into the cell with
// "..." or wrapped over several lines, and the notes, reminder and recurrence
// pictures after it. The week view's detail strip draws with the same pieces.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "views/ColorRef.h"
#include "views/FittedTextCache.h"
#include "views/Markers.h"
#include "views/ScreenDpi.h"

class QPainter;

// What a cell shows of one entry.
struct DayCellLine {
    QString leadText;
    QString bodyText;
    ColorRef color = 0;
    uint32_t style = 0;  // kStyleBold, kStyleCompleted
    uint32_t marks = 0;  // kMarkNotes, kMarkReminder, kMarkRecurring
};

// Colours of a text lead; no background means the cell's own.
struct LeadColours {
    ColorRef text = 0;
    std::optional<ColorRef> background;
};

struct MeasuredEntry {
    QString fitted;  // the body as drawn, lines joined by "\n"
    int height = 0;
};

class CEntryPainter {
public:
    explicit CEntryPainter(ScreenDpi dpi = ScreenDpi::OfDevice());

    // The four entry fonts (normal, bold, strike-out, bold with strike-out).
    void SetFont(const QString& face, int height, bool clearType);
    const QFont& FontFor(uint32_t style) const;
    int LineHeight(uint32_t style) const;

    // Reads the pictures 101 to 115; a missing one counts as 0 pixels wide.
    void SetPictures(const PictureLookup& lookup);
    const QPixmap& Picture(int id) const;

    void SetLeadColours(const LeadColours& normal, const LeadColours& selected);

    // Width of the lead column: a marker takes the width of picture 102 + 1.
    int LeadWidth(const DayCellLine& line) const;
    // Total width of the pictures for the marks.
    int MarksWidth(uint32_t marks) const;

    // Wrapped lines end before `textRight` (the cell's width less what a
    // scroll bar covers); a single line is fitted to the whole cell.
    MeasuredEntry Measure(const DayCellLine& line, int cellWidth, bool multiline,
                          int textRight) const;
    // Where the body starts after the line's lead.
    int BodyLeft(const DayCellLine& line) const;
    // Draws the line group with its top at y; on a white background the
    // pictures' white is transparent.
    void Draw(QPainter& dc, const DayCellLine& line, const QString& fitted, int y, bool selected,
              ColorRef background) const;
    // The pieces, each returning the x after what it drew; y is the line's top.
    int DrawLead(QPainter& dc, int x, int y, const DayCellLine& line, bool selected,
                 ColorRef background) const;
    int DrawMarks(QPainter& dc, int x, int y, const DayCellLine& line,
                  ColorRef background) const;

private:
    int S(int v, Axis axis) const { return m_dpi.S(v, axis); }
    int DrawPictureCentred(QPainter& dc, int x, int centreY, int id, ColorRef background) const;

    static constexpr int kPictureCount = kPictureLast - kPictureFirst + 1;
    ScreenDpi m_dpi;
    std::array<QFont, 4> m_fonts;
    std::array<QPixmap, kPictureCount> m_pictures;
    std::array<QPixmap, kPictureCount> m_picturesOnWhite;
    LeadColours m_normalLead{0x804000, std::nullopt};
    LeadColours m_selectedLead{kWhite, 0xC37D7D};
    mutable FittedTextCache m_fitted;
};

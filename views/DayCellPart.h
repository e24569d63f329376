// One day cell of the week view: the day's entry lines in a scrolling list
// and the date box in the lower-right corner.
#pragma once

#include <vector>

#include "views/CellListPart.h"
#include "views/EntryPainter.h"

// The cell's date box: date and weekday texts, the edge colour, the upper and
// the lower fill.
struct DayCellHeader {
    QString dateText;
    QString weekdayText;
    ColorRef edge = 0x787878;
    ColorRef upper = 0xBBBBBB;
    ColorRef lower = 0x999999;
};

class CDayCellPart : public CCellListPart {
public:
    explicit CDayCellPart(CViewEx& owner);

    // Appends an entry line; returns its index.
    int AddEntry(const DayCellLine& line);
    const DayCellLine& Line(int index) const { return m_lines.at(static_cast<size_t>(index)); }
    // The body as measured for the cell's width (lines joined by "\n").
    const QString& FittedBody(int index);

    void SetMultiline(bool multiline);
    bool IsMultiline() const { return m_multiline; }
    void SetEntryFont(const QString& face, int height, bool clearType);
    void SetHeaderFont(const QString& face, int height, bool clearType);
    void SetPictures(const PictureLookup& lookup);
    void SetLeadColours(const LeadColours& normal, const LeadColours& selected);
    void SetHeader(const DayCellHeader& header);
    const CEntryPainter& EntryPainter() const { return m_painter; }

    // The box of the date header in the cell's own coordinates; over it the
    // week view's tap-and-hold menu offers only the add commands.
    QRect HeaderBox() const;

protected:
    int MeasureRow(int index) override;
    void DrawRow(QPainter& dc, int index, int y, bool selected) override;
    void DrawHeader(QPainter& dc) override;
    void OnCleared() override;

private:
    std::vector<DayCellLine> m_lines;
    std::vector<QString> m_fitted;
    bool m_multiline = false;
    CEntryPainter m_painter;
    DayCellHeader m_header;
    bool m_hasHeader = false;
};

// The rows of the anniversary list: each anniversary at its next occurrence,
// the name with its count text in the record's colour, the date ("음 " before
// a lunar record's) and the days left. Scrolling, selection and the pen are
// the cell list's.
#pragma once

#include <vector>

#include "calendar/AnniversaryOccurrence.h"
#include "views/CellListPart.h"

class CAnniversaryListPart : public CCellListPart {
public:
    explicit CAnniversaryListPart(CViewEx& owner);

    // Replaces every row; the selection goes to the first row.
    void SetRows(std::vector<AnniversaryOccurrence> rows);
    const AnniversaryOccurrence& Row(int index) const { return m_rows.at(static_cast<size_t>(index)); }
    void SetRowFont(const QString& face, int height, bool clearType);

    // The texts of a row's columns.
    static QString NameText(const AnniversaryOccurrence& row);
    static QString DateText(const AnniversaryOccurrence& row);
    static QString DaysText(const AnniversaryOccurrence& row);

    // Column widths of the current font.
    int DateColumnWidth() const { return m_dateWidth; }
    int DaysColumnWidth() const { return m_daysWidth; }

protected:
    int MeasureRow(int index) override;
    void DrawRow(QPainter& dc, int index, int y, bool selected) override;
    void OnCleared() override { m_rows.clear(); }

private:
    std::vector<AnniversaryOccurrence> m_rows;
    int m_dateWidth = 0;
    int m_daysWidth = 0;
    int m_rowHeight = 0;
};

// The ink control's inner window: typed text with pen strokes over it.
// Typing mode edits the text; drawing mode turns pen down, move and up into
// strokes. Zoom scales text and strokes alike; strokes are kept in document
// pixels at 100 % so that they stay on the words they were drawn over.
// Answers the control's messages (InkMessages.h).
#pragma once

#include <QFont>
#include <QTextEdit>

#include <optional>
#include <vector>

#include "platform/ink/InkContent.h"
#include "platform/shell/WindowMessage.h"

struct EDITSTREAM;

class InkSurface : public QTextEdit {
    Q_OBJECT
public:
    explicit InkSurface(QWidget* parent = nullptr);

    bool Typing() const { return m_typing; }
    void SetInputMode(bool typing);
    WPARAM View() const { return m_view; }
    void SetView(WPARAM view) { m_view = view; }
    WPARAM PageStyle() const { return m_pageStyle; }
    void SetPageStyle(WPARAM style);
    int Zoom() const { return m_zoom; }
    // False (and nothing changes) outside 25..400 %.
    bool SetZoom(int percent);
    void ClearAll();

    // The pen of the next strokes; the width is held to 1..kMaxInkPenWidth.
    void SetPen(uint32_t color, int width);

    InkContent Content() const;
    // Replaces the content as if it had been typed and drawn.
    void SetContent(const InkContent& content);
    // What a stream-out gives: the bytes last streamed in while nothing has
    // changed since (so that ink from elsewhere survives an untouched edit),
    // else the current content.
    std::vector<uint8_t> StreamBytes() const;
    // Replaces the content; bytes this control cannot read load as empty.
    void LoadStreamBytes(std::vector<uint8_t> bytes);
    // Whether the content changed since the last load or clear.
    bool Changed() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    LRESULT HandleMessage(uint32_t message, WPARAM wParam, LPARAM lParam);
    LRESULT StreamIn(WPARAM format, EDITSTREAM* stream);
    LRESULT StreamOut(WPARAM format, EDITSTREAM* stream) const;
    InkPoint DocumentPoint(const QPoint& viewportPoint) const;
    void PaintRules(QPainter& painter) const;
    void PaintStrokes(QPainter& painter) const;
    void SetText(const std::string& text);

    bool m_typing = true;
    WPARAM m_view = 0;
    WPARAM m_pageStyle = 16;
    int m_zoom = 100;
    QFont m_baseFont;
    uint32_t m_penColor = 0;
    uint16_t m_penWidth = 2;
    std::vector<InkStroke> m_strokes;
    std::optional<InkStroke> m_drawing;  // the stroke under the pen
    bool m_strokesChanged = false;
    // The bytes of the last stream-in, given back while nothing changes.
    std::vector<uint8_t> m_loaded;
};

// Fitting a text into a width: shortening with "..." and wrapping over lines.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

// How many leading characters of text fit into width pixels (never splits a
// surrogate pair).
int CountFittingChars(const QFontMetrics& metrics, const QString& text, int width);

// The text when it fits into (available - reserved) or when fewer than 3 of its
// characters do (the drawing clips it); otherwise as many leading characters as
// fit beside "..." followed by "...".
QString FitTextToWidth(const QFontMetrics& metrics, const QString& text, int available,
                       int reserved);

// Breaks text into lines joined by "\n": the first line holds what fits into
// firstWidth, every later line what fits into laterWidth (leading white space of
// a continued line dropped); the last line is then fitted with "..." beside
// reserved pixels (room for the marks drawn after it).
QString WrapTextToWidth(const QFontMetrics& metrics, const QString& text, int firstWidth,
                        int laterWidth, int reserved);

// The same font at a smaller pixel size (never below minPixelSize) so that text
// fits into width pixels; the font itself when the text fits already. Glyphs
// keep their shape: a condensed face is unreadable at these sizes.
QFont FontFittingWidth(const QFont& font, const QString& text, int width, int minPixelSize);

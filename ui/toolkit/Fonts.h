#pragma once
// The program asks for its fonts by their classic names; these are the
// installed families that stand in for them. Where a named font at its named
// size does not fit the box it was chosen for, the box keeps its size and the
// font steps down until the text fits, so no caption is ever cut off.

#include <QFont>
#include <QSize>
#include <QString>

namespace aerolune::ui {

void installFontSubstitutes();

/// The font, or the largest smaller size of it (half-point steps, down to 5
/// points), in which one line of text is no wider than width and no taller
/// than height pixels (height <= 0: any height).
QFont fontFittingLine(const QFont& font, const QString& text, int width, int height = 0);

/// The same for a word-wrapped text that must fit in the box.
QFont fontFittingHeight(const QFont& font, const QString& text, const QSize& box);

}  // namespace aerolune::ui

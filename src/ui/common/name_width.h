#pragma once
// How wide the lists, row headers and name columns must be so that a whole name shows in the
// font in use: names are up to 16 characters, and a font larger than the pages were drawn for
// (a larger system font, another family) must not cut "Favorite Name 10" to "Favorite Nam...".

class QAbstractScrollArea;
class QFontMetrics;

namespace zel::ui {

// The width of a name of 16 characters in the font of `metrics`: the wider of two typical
// names of that length and 16 characters of average width.
int nameTextWidth(const QFontMetrics& metrics);

// The width of 16 of the font's widest letters ("WWWWWWWWWWWWWWWW"): what a list of names
// must show so that no name is cut.
int widestNameWidth(const QFontMetrics& metrics);

// `designed` (the width the page was drawn with), or wider when a text `textWidth` wide needs
// more with `padding` around it.
int fittedWidth(int designed, int textWidth, int padding);

// Width of a list of names, `designed` or wider, that shows the widest name beside its scroll
// bar.
int fittedListWidth(const QAbstractScrollArea& list, int designed);

} // namespace zel::ui

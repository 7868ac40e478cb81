#pragma once
// Where the pages of a report break. The report is laid out as one long page and cut only
// between lines of text and between table rows, so that no row is ever split across two pages
// (the text layout itself keeps a row together only when all of its cells move at once). A block
// that asks for a page of its own ("page-break-before: always") starts one.

#include <QtGlobal>

#include <vector>

class QTextDocument;

namespace zel::report {

// The top of each page, from 0, in the layout's units, for pages of `pageHeight`. A row or line
// taller than a page is cut where the page ends.
std::vector<qreal> pageStarts(const QTextDocument& layout, qreal pageHeight);

} // namespace zel::report

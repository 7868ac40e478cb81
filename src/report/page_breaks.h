#pragma once
// Where the pages of a report break. The report is laid out as one long page and cut only
// between lines of text and between table rows, so that no row is ever split across two pages
// (the text layout itself keeps a row together only when all of its cells move at once). A block
// that asks for a page of its own ("page-break-before: always") starts one.

#include <QtGlobal>

#include <utility>
#include <vector>

class QTextDocument;

namespace zel::report {

// Where each page starts, and the header rows it repeats above that when it goes on with a
// table that has them (both in the layout's units; an empty header when none).
struct PagePlan {
    std::vector<qreal> starts;                    // the top of each page, from 0
    std::vector<std::pair<qreal, qreal>> headers; // per page: the header rows' top and bottom
};

// The pages of `pageHeight`: a page that goes on with a table repeats its header rows at its top,
// and holds that much less of the rest. A row or line taller than a page is cut where the page
// ends.
PagePlan pagePlan(const QTextDocument& layout, qreal pageHeight);

} // namespace zel::report

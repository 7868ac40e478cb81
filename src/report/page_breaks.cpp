#include "report/page_breaks.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <map>
#include <utility>

namespace zel::report {

namespace {

// Where a page may end, and where one must: above a block that starts a page of its own.
// A place where a page may end; when it ends between two rows of a table below its header
// rows, the next page repeats them.
struct Place {
    qreal y = 0;
    qreal headerTop = 0, headerBottom = 0; // equal: nothing to repeat
    bool operator<(const Place& other) const { return y < other.y; }
};

struct BreakPlaces {
    std::vector<Place> allowed; // sorted
    std::vector<qreal> forced;  // sorted
};

struct RowExtent {
    QTextTable* table = nullptr;
    qreal top = 0, bottom = 0;
};

// Every place where a page may end: above each line outside the tables, above each table and
// on the border between two rows, but never right below a heading or a table's header row,
// which stay with what they head; and the top of each block that asks for a page of its own.
BreakPlaces breakPlaces(const QTextDocument& layout)
{
    QAbstractTextDocumentLayout* documentLayout = layout.documentLayout();
    std::vector<Place> places;
    std::vector<qreal> forced;
    std::vector<QRectF> headings;
    // By the table's place in the document, then the row.
    std::map<std::pair<int, int>, RowExtent> rows;
    for (QTextBlock block = layout.begin(); block.isValid(); block = block.next()) {
        const QRectF box = documentLayout->blockBoundingRect(block);
        const QTextCursor cursor(block);
        if (cursor.currentFrame() != layout.rootFrame()) {
            // In a table; the empty block that closes a table belongs to no row.
            QTextTable* table = cursor.currentTable();
            if (!table || !table->cellAt(block.position()).isValid())
                continue;
            const int row = table->cellAt(block.position()).row();
            auto [extent, added] = rows.try_emplace({table->firstPosition(), row},
                                                    RowExtent{table, box.top(), box.bottom()});
            if (!added) {
                extent->second.top = std::min(extent->second.top, box.top());
                extent->second.bottom = std::max(extent->second.bottom, box.bottom());
            }
            continue;
        }
        // An empty block holds nothing to keep whole; the one that follows a table is reported
        // where the table's last row stands.
        const QTextLayout* lines = block.text().isEmpty() ? nullptr : block.layout();
        if (block.blockFormat().headingLevel() > 0)
            headings.push_back(box);
        if (block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            forced.push_back(box.top());
        for (int i = 0; lines && i < lines->lineCount(); ++i)
            places.push_back({box.top() + lines->lineAt(i).y()});
    }
    const RowExtent* previous = nullptr;
    qreal headerTop = 0, headerBottom = 0; // of the table the rows are in
    for (const auto& [key, extent] : rows) {
        const int headerRows = extent.table->format().headerRowCount();
        if (!previous || previous->table != extent.table) { // above the table's top border
            places.push_back({documentLayout->frameBoundingRect(extent.table).top()});
            headerTop = headerBottom = extent.top;
        } else if (key.second > headerRows) { // a header keeps a row
            places.push_back({(previous->bottom + extent.top) / 2, headerTop, headerBottom});
        }
        if (key.second < headerRows)
            headerBottom = std::max(headerBottom, extent.bottom);
        previous = &extent;
    }
    // What follows a heading starts within a heading's height of its foot.
    std::erase_if(places, [&](const Place& place) {
        return std::any_of(headings.begin(), headings.end(), [&place](const QRectF& heading) {
            return place.y > heading.top() && place.y <= heading.bottom() + heading.height();
        });
    });
    std::sort(places.begin(), places.end());
    std::sort(forced.begin(), forced.end());
    return {std::move(places), std::move(forced)};
}

} // namespace

PagePlan pagePlan(const QTextDocument& layout, qreal pageHeight)
{
    const auto [places, forced] = breakPlaces(layout);
    const qreal end = layout.documentLayout()->documentSize().height();
    PagePlan plan{{0}, {{0, 0}}};
    const auto startPage = [&](qreal top, qreal headerTop = 0, qreal headerBottom = 0) {
        plan.starts.push_back(top);
        plan.headers.emplace_back(headerTop, headerBottom);
    };
    for (;;) {
        const qreal start = plan.starts.back();
        const auto [headerTop, headerBottom] = plan.headers.back();
        // A header taller than half a page is not repeated: the page would hold little else.
        const qreal repeated = headerBottom - headerTop;
        const qreal room = repeated < pageHeight / 2 ? pageHeight - repeated : pageHeight;
        const qreal limit = start + room;
        // A block that starts a page of its own, on this page.
        const auto own = std::upper_bound(forced.begin(), forced.end(), start);
        if (own != forced.end() && *own <= limit && *own < end) {
            startPage(*own);
            continue;
        }
        if (end - start <= room)
            break;
        // The last place that still fits on the page, if it leaves something on the page.
        auto fits = std::upper_bound(places.begin(), places.end(), Place{limit});
        if (fits != places.begin() && std::prev(fits)->y > start) {
            const Place& place = *std::prev(fits);
            startPage(place.y, place.headerTop, place.headerBottom);
        } else {
            startPage(limit);
        }
    }
    // Nothing repeated where it would not fit on a page beside the rest.
    for (auto& [top, bottom] : plan.headers)
        if (bottom - top >= pageHeight / 2)
            top = bottom = 0;
    return plan;
}

} // namespace zel::report

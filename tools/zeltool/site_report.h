#pragma once
// site report: one document for a site's venue from what the journal holds of its units.

namespace zel::tool {

struct Arguments;

// The exit status: 0 written, 1 the report file could not be written, 2 bad usage or a site
// file that cannot be read.
int runSiteReport(const Arguments& arguments);

} // namespace zel::tool

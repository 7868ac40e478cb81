#pragma once
// site restore: one unit of a site sent the configuration its site's history holds at a commit
// (the newest that holds the unit's file, unless --from names one), from any clone of the
// repository, through the one send path: the unit is read first and the journal keeps that
// read, then the checks are answered from the flags as export answers them.

namespace zel::tool {

struct Arguments;

// The exit status, as export's.
int runSiteRestore(const Arguments& arguments);

} // namespace zel::tool

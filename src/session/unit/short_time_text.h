#pragma once
// A time as the site window, its summary and the identity question show it.

#include <QString>

class QDateTime;

namespace zel::session {

// A time as lists show it: "2026-12-09 14:02", local time.
QString shortTimeText(const QDateTime& time);

} // namespace zel::session

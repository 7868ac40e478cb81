#include "session/unit/short_time_text.h"

#include <QDateTime>

namespace zel::session {

QString shortTimeText(const QDateTime& time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace zel::session

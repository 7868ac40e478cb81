#pragma once
// The settings Copy Zone Settings took last time, offered again the next time, in this run and
// the next: kept in a small text file in the user's data folder (beside the journal), one
// "name=0" or "name=1" line per setting.

#include "model/zone_settings_copy.h"

#include <QString>

namespace zel::ui {

class CopyPartsMemory {
public:
    // `path` empty: the user's data folder's "copy-zone-settings.txt".
    explicit CopyPartsMemory(QString path = {});

    const QString& path() const { return m_path; }
    // Every setting when nothing was kept yet, or for a line that is missing or unreadable.
    model::ZoneCopyParts load() const;
    // Why the choice could not be kept, or an empty text.
    QString save(const model::ZoneCopyParts& parts) const;

private:
    QString m_path;
};

} // namespace zel::ui

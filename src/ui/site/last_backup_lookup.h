#pragma once
// Finds a site unit's last backup in the journal off the window's thread: it reads the unit
// directory and may fingerprint every whole fetch's text. It runs after the journal's writes
// already asked for, so a backup just made is found.

#include "journal/journal_entry.h"
#include "session/site/site_file.h"
#include "ui/transfer/background_queue.h"

#include <functional>
#include <optional>

namespace zel::ui {

class UserPrompts;

using BackupFound = std::function<void(const std::optional<journal::Entry>& backup)>;

// Hands the last backup of `unit` (nothing when it has none) to `found` on the window's thread,
// unless `context` is gone by then. With `sayWhyNot`, a unit with no backup is told there instead,
// and `found` hears only of a backup.
void findLastBackup(BackgroundQueue& work, const session::SiteUnit& unit, QObject* context,
                    BackupFound found, UserPrompts* sayWhyNot = nullptr);

} // namespace zel::ui

#pragma once
// The unit journal: every configuration read from a unit and every one sent to a unit, each kept
// as a .zel file beside a small index, so that what a unit held before it was overwritten can be
// found and sent back. Bounded: the oldest entries are dropped first once there are more than
// `maxEntries` or their texts take more than `maxBytes`.
//
// Writing is safe against a crash: the text is written whole first, then the index is replaced
// whole, so the index never names a missing or half-written text. A lock file keeps the window
// and zeltool from writing the index at the same time.

#include "journal/journal_entry.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace zel::journal {

struct Limits {
    int maxEntries = 500;
    qint64 maxBytes = 50 * 1024 * 1024;
};

// The journal folder: "journal" in the per-user data folder of the window's application name,
// the same for the window and zeltool whatever name the running program gives itself.
QString defaultFolder();

class Journal {
public:
    explicit Journal(QString folder = defaultFolder(), Limits limits = {});

    const QString& folder() const { return m_folder; }

    // Keeps `text` as the newest entry and drops what the limits no longer allow. Returns why it
    // could not be kept; empty on success.
    QString record(Direction direction, const QString& unit, bool whole, const QString& ending,
                   const QByteArray& text);

    // The entries, newest first.
    QList<Entry> entries() const;
    // The newest entry read from `unit`, whole or not; nothing when there is none.
    std::optional<Entry> newestFrom(const QString& unit) const;
    // An entry's text; nothing, with `error` set, when it cannot be read.
    std::optional<QByteArray> text(const Entry& entry, QString* error = nullptr) const;

private:
    QString path(const QString& name) const;
    QString newFileName(const QDateTime& time, Direction direction) const;
    QList<Entry> readEntries() const; // oldest first
    // Removes the texts the index does not name: those of dropped entries, and any left by a crash
    // between a text and the index. Runs under the lock, so no other writer's text is lost.
    void removeUnnamedTexts(const QList<Entry>& named) const;
    // Drops the oldest of `entries` (oldest first) until the limits hold; the newest entry is
    // always kept.
    void applyLimits(QList<Entry>& entries) const;

    QString m_folder;
    Limits m_limits;
};

// Lines of `text` that begin with "[": what the reader would read.
int countConfigLines(const QByteArray& text);

} // namespace zel::journal

#pragma once
// The journal's index as bytes: a JSON array of entries, oldest first. Reading skips entries it
// cannot understand, so that one damaged entry does not hide the others.

#include "journal/journal_entry.h"

#include <QByteArray>
#include <QList>

namespace zel::journal {

QByteArray indexBytes(const QList<Entry>& entries);
QList<Entry> readIndex(const QByteArray& bytes);

} // namespace zel::journal

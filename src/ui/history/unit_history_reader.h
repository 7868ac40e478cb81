#pragma once
// A site unit's history read off the calling thread (QtConcurrent), each answer handed back on
// it: git may take a moment on a long history, a slow disk or a network folder, and the window
// never waits for it. A listing asked for while one runs replaces it; the older one's answer is
// dropped. Answers that come after the reader is gone are dropped too.

#include "session/restore/unit_history.h"

#include <QObject>

#include <functional>
#include <optional>

namespace zel::ui {

class UnitHistoryReader : public QObject {
    Q_OBJECT
public:
    struct Listing {
        session::UnitHistoryPlace place;
        QList<session::HistoryCommit> commits; // newest first
        QString note; // why there are none (git missing, no repository there, none yet)
    };
    using VersionRead = std::function<void(const std::optional<session::UnitVersion>& version,
                                           const QString& error)>;

    explicit UnitHistoryReader(QObject* parent = nullptr);

    // Lists the commits of the unit at `place`; listed() answers.
    void list(const session::UnitHistoryPlace& place);
    // Reads the unit's configuration at `commit`, one of a listing's; `done` answers.
    void read(const session::UnitHistoryPlace& place, const session::HistoryCommit& commit,
              VersionRead done);

    // The listing of the unit at `place`, on the calling thread (what list() runs).
    static Listing listingOf(const session::UnitHistoryPlace& place);

signals:
    void listed(const zel::ui::UnitHistoryReader::Listing& listing);

private:
    int m_listing = 0; // the listings asked for
};

} // namespace zel::ui

#pragma once
// Looks for units among many addresses (or the serial ports named): a bounded number of reads
// at once, each with a short time to answer, read-only (see UnitReader). The targets are made
// one at a time as the scan walks them, never listed first, so that a /8 starts at once. Only what
// answers as a unit does is reported; a TCP service that is not a unit, a closed port and silence
// are not. cancel() stops every read at once and closes every connection. Runs on signals and
// timers.

#include "session/find/address_range.h"
#include "session/unit/site_link.h"
#include "session/unit/unit_fingerprint.h"
#include "session/unit/unit_reader.h"

#include <QList>
#include <QObject>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace zel::session {

struct FoundUnit {
    SiteLink link;
    UnitFingerprint fingerprint;
    bool whole = true; // the dump came whole; else what came before the deadline
    QString reason;    // why not whole
};

// What a scan walks: `count` targets, each made when its turn comes.
struct ProbeTargets {
    quint64 count = 0;
    std::function<SiteLink(quint64 index)> at;

    static ProbeTargets of(QList<SiteLink> links);
    // The addresses of `walk` on TCP `port`, then `links`.
    static ProbeTargets of(const AddressWalk& walk, int port, QList<SiteLink> links = {});
};

class ProbeScan : public QObject {
    Q_OBJECT
public:
    struct Settings {
        int jobs = 64; // reads at once
        UnitReader::Settings read{std::chrono::milliseconds(30000), std::chrono::milliseconds(2000),
                                  std::chrono::milliseconds(2000)};
    };

    ProbeScan(ProbeTargets targets, Settings settings, QObject* parent = nullptr);
    ProbeScan(QList<SiteLink> targets, Settings settings, QObject* parent = nullptr);
    ~ProbeScan() override;

    void start();
    // Stops every read at once; finished() follows.
    void cancel();
    bool isRunning() const { return m_started && !m_ended; }
    bool wasCancelled() const { return m_cancelled; }
    quint64 doneCount() const { return m_done; }
    quint64 targetCount() const { return m_targets.count; }
    const QList<FoundUnit>& found() const { return m_found; }

signals:
    void unitFound(const zel::session::FoundUnit& unit);
    void progress(quint64 done, quint64 total);
    void finished();

private:
    void startMore();
    void onReaderFinished(UnitReader* reader);
    void endIfDone();

    ProbeTargets m_targets;
    Settings m_settings;
    quint64 m_next = 0;
    quint64 m_done = 0;
    std::vector<std::unique_ptr<UnitReader>> m_running;
    QList<FoundUnit> m_found;
    bool m_started = false;
    bool m_ended = false;
    bool m_cancelled = false;
};

} // namespace zel::session

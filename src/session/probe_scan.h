#pragma once
// Looks for units among many addresses (or the serial ports named): a bounded number of reads
// at once, each with a short time to answer, read-only (see UnitReader). Only what answers as a
// unit does is reported; a TCP service that is not a unit, a closed port and silence are not.
// cancel() stops every read at once and closes every connection. Runs on signals and timers.

#include "session/site_link.h"
#include "session/unit_fingerprint.h"
#include "session/unit_reader.h"

#include <QList>
#include <QObject>

#include <deque>
#include <memory>
#include <vector>

namespace zel::session {

struct FoundUnit {
    SiteLink link;
    UnitFingerprint fingerprint;
    bool whole = true; // the dump came whole; else what came before the deadline
    QString reason;    // why not whole
};

class ProbeScan : public QObject {
    Q_OBJECT
public:
    struct Settings {
        int jobs = 64; // reads at once
        UnitReader::Settings read{std::chrono::milliseconds(30000), std::chrono::milliseconds(2000),
                                  std::chrono::milliseconds(2000)};
    };

    ProbeScan(QList<SiteLink> targets, Settings settings, QObject* parent = nullptr);
    ~ProbeScan() override;

    void start();
    // Stops every read at once; finished() follows.
    void cancel();
    bool isRunning() const { return m_started && !m_ended; }
    bool wasCancelled() const { return m_cancelled; }
    int doneCount() const { return m_done; }
    int targetCount() const { return static_cast<int>(m_targets.size()); }
    const QList<FoundUnit>& found() const { return m_found; }

signals:
    void unitFound(const zel::session::FoundUnit& unit);
    void progress(int done, int total);
    void finished();

private:
    void startMore();
    void onReaderFinished(UnitReader* reader);
    void endIfDone();

    QList<SiteLink> m_targets;
    Settings m_settings;
    qsizetype m_next = 0;
    int m_done = 0;
    std::vector<std::unique_ptr<UnitReader>> m_running;
    QList<FoundUnit> m_found;
    bool m_started = false;
    bool m_ended = false;
    bool m_cancelled = false;
};

} // namespace zel::session

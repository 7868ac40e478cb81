#pragma once
// Backs up or verifies every unit of a site: reads each (see UnitReader, read-only), keeps what
// came (see SiteRecords) and says what it was, one outcome per unit. Units over TCP are read in
// parallel, up to `jobs` at once; units on one serial port one after the other (a port takes
// one conversation at a time), ports in parallel. Each unit has its own deadline, so that one
// hung unit never holds the rest. Runs on signals and timers; start() returns at once. What a
// unit brought is kept off the calling thread (the journal's and the unit directory's locks may
// be waited for), one unit at a time in the order their reads ended; a unit holds its place, and
// its port, until it is kept.

#include "session/site/site_file.h"
#include "session/site/site_outcome.h"
#include "session/site/site_records.h"
#include "session/unit/unit_reader.h"
#include "session/work/background_queue.h"

#include <QObject>

#include <map>
#include <memory>
#include <set>

namespace zel::session {

class SiteRun : public QObject {
    Q_OBJECT
public:
    struct Settings {
        int jobs = 4;
        std::chrono::milliseconds deadline{60000}; // for each unit
    };

    SiteRun(SiteMode mode, QList<SiteUnit> units, Settings settings,
            std::unique_ptr<SiteRecords> records = std::make_unique<SiteRecords>(),
            QObject* parent = nullptr);
    ~SiteRun() override;

    SiteMode mode() const { return m_mode; }
    void start();
    // Stops the units being read (what came is kept) and reads no more; finished() follows.
    void cancel();
    bool isRunning() const { return m_started && !m_ended; }
    // A unit's read is being kept, off this thread.
    bool isKeeping() const { return !m_keeping.empty(); }
    // One per unit, in the site's order, once it has ended.
    const std::map<int, UnitOutcome>& outcomes() const { return m_outcomes; }
    QList<UnitOutcome> outcomeList() const;
    // Whether every unit ended well (isGood()).
    bool allGood() const;
    // The journal or the unit directory could not be written; each said once.
    QStringList takeWarnings() { return m_records->takeWarnings(); }

signals:
    void unitStarted(int index);
    void unitFinished(int index, const zel::session::UnitOutcome& outcome);
    void finished();

private:
    // The port a serial unit uses, the same for every name of it; empty over TCP.
    QString portOf(const SiteUnit& unit) const;
    void startMore();
    void onReaderFinished(int index);
    void onKept(int index, UnitOutcome outcome);
    void conclude(int index, UnitOutcome outcome);
    void endIfDone();

    SiteMode m_mode;
    QList<SiteUnit> m_units;
    Settings m_settings;
    std::unique_ptr<SiteRecords> m_records;
    QList<int> m_pending;
    std::map<int, std::unique_ptr<UnitReader>> m_running; // reading, or read and being kept
    std::set<int> m_keeping;
    // Keeps what each unit brought, through m_records, off this thread.
    std::unique_ptr<BackgroundQueue> m_recording = std::make_unique<BackgroundQueue>();
    std::set<QString> m_busyPorts;
    std::map<int, UnitOutcome> m_outcomes;
    bool m_started = false;
    bool m_ended = false;
    bool m_cancelled = false;
};

} // namespace zel::session

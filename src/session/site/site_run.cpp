#include "session/site/site_run.h"

#include <QFileInfo>
#include <QTimer>

namespace zel::session {

SiteRun::SiteRun(SiteMode mode, QList<SiteUnit> units, Settings settings,
                 std::unique_ptr<SiteRecords> records, QObject* parent)
    : QObject(parent), m_mode(mode), m_units(std::move(units)), m_settings(settings),
      m_records(std::move(records))
{
    m_settings.jobs = std::max(1, m_settings.jobs);
    for (int i = 0; i < m_units.size(); ++i)
        m_pending << i;
}

SiteRun::~SiteRun()
{
    m_ended = true;
    m_recording.reset(); // what is being kept is kept, with its reader, before they go
    m_running.clear();
}

QString SiteRun::portOf(const SiteUnit& unit) const
{
    if (unit.link.kind != SiteLink::Kind::Serial)
        return {};
    const QString canonical = QFileInfo(unit.link.address).canonicalFilePath();
    return canonical.isEmpty() ? unit.link.address : canonical;
}

void SiteRun::start()
{
    if (m_started)
        return;
    m_started = true;
    startMore();
    endIfDone();
}

void SiteRun::startMore()
{
    for (qsizetype i = 0; i < m_pending.size() && !m_cancelled &&
                          static_cast<int>(m_running.size()) < m_settings.jobs;) {
        const int index = m_pending[i];
        const QString port = portOf(m_units[index]);
        if (!port.isEmpty() && m_busyPorts.count(port)) {
            ++i; // its port is busy with another unit: it waits its turn
            continue;
        }
        m_pending.removeAt(i);
        if (!port.isEmpty())
            m_busyPorts.insert(port);
        UnitReader::Settings read;
        read.deadline = m_settings.deadline;
        read.answerTime = m_settings.deadline;
        read.serialQuietTime = std::min(read.serialQuietTime, m_settings.deadline);
        auto reader = std::make_unique<UnitReader>(m_units[index].link, read);
        connect(
            reader.get(), &UnitReader::finished, this, [this, index] { onReaderFinished(index); },
            Qt::QueuedConnection);
        UnitReader* raw = reader.get();
        m_running[index] = std::move(reader);
        emit unitStarted(index);
        raw->start();
    }
}

void SiteRun::cancel()
{
    if (!isRunning() || m_cancelled)
        return;
    m_cancelled = true;
    for (const int index : std::exchange(m_pending, {})) {
        UnitOutcome outcome;
        outcome.name = m_units[index].name;
        outcome.link = m_units[index].link;
        outcome.detail = tr("not read: the run was stopped");
        conclude(index, outcome);
    }
    for (auto& [index, reader] : m_running)
        reader->stop(); // each ends through onReaderFinished(), keeping what came
    QTimer::singleShot(0, this, &SiteRun::endIfDone);
}

void SiteRun::onReaderFinished(int index)
{
    const auto it = m_running.find(index);
    if (it == m_running.end() || !m_keeping.insert(index).second)
        return;
    // The reader stays until its read is kept, and is read on the pool only: its read is over.
    m_recording->run([this, index, reader = static_cast<const UnitReader*>(it->second.get()),
                      records = m_records.get(), mode = m_mode,
                      unit = m_units[index]]() -> BackgroundQueue::Answer {
        return [this, index, outcome = records->settle(mode, unit, *reader)] {
            onKept(index, outcome);
        };
    });
}

void SiteRun::onKept(int index, UnitOutcome outcome)
{
    m_keeping.erase(index);
    m_running.erase(index);
    m_busyPorts.erase(portOf(m_units[index]));
    conclude(index, std::move(outcome));
    startMore();
    endIfDone();
}

void SiteRun::conclude(int index, UnitOutcome outcome)
{
    m_outcomes[index] = outcome;
    emit unitFinished(index, outcome);
}

void SiteRun::endIfDone()
{
    if (m_ended || !m_started || !m_running.empty() || !m_pending.isEmpty())
        return;
    m_ended = true;
    emit finished();
}

QList<UnitOutcome> SiteRun::outcomeList() const
{
    QList<UnitOutcome> list;
    for (const auto& [index, outcome] : m_outcomes)
        list << outcome;
    return list;
}

bool SiteRun::allGood() const
{
    for (const auto& [index, outcome] : m_outcomes)
        if (!isGood(outcome.result))
            return false;
    return static_cast<int>(m_outcomes.size()) == m_units.size();
}

} // namespace zel::session

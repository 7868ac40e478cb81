#include "session/find/probe_scan.h"

#include <QTimer>

#include <algorithm>

namespace zel::session {

ProbeTargets ProbeTargets::of(QList<SiteLink> links)
{
    return of(AddressWalk(), 0, std::move(links));
}

ProbeTargets ProbeTargets::of(const AddressWalk& walk, int port, QList<SiteLink> links)
{
    const QString portText = QLatin1Char(':') + QString::number(port);
    return {walk.count() + quint64(links.size()),
            [walk, portText, links = std::move(links)](quint64 index) {
                if (index < walk.count())
                    return SiteLink{SiteLink::Kind::Tcp, walk.at(index).toString() + portText};
                return links.value(qsizetype(index - walk.count()));
            }};
}

ProbeScan::ProbeScan(ProbeTargets targets, Settings settings, QObject* parent)
    : QObject(parent), m_targets(std::move(targets)), m_settings(settings)
{
    m_settings.jobs = std::max(1, m_settings.jobs);
}

ProbeScan::ProbeScan(QList<SiteLink> targets, Settings settings, QObject* parent)
    : ProbeScan(ProbeTargets::of(std::move(targets)), settings, parent)
{
}

ProbeScan::~ProbeScan()
{
    m_ended = true;
    m_running.clear(); // each stops its read and closes its connection
}

void ProbeScan::start()
{
    if (m_started)
        return;
    m_started = true;
    startMore();
    endIfDone();
}

void ProbeScan::startMore()
{
    while (!m_cancelled && m_next < m_targets.count &&
           static_cast<int>(m_running.size()) < m_settings.jobs) {
        auto reader = std::make_unique<UnitReader>(m_targets.at(m_next++), m_settings.read);
        UnitReader* raw = reader.get();
        connect(
            raw, &UnitReader::finished, this, [this, raw] { onReaderFinished(raw); },
            Qt::QueuedConnection);
        m_running.push_back(std::move(reader));
        raw->start();
    }
}

void ProbeScan::cancel()
{
    if (!isRunning() || m_cancelled)
        return;
    m_cancelled = true;
    m_done += m_running.size();
    m_running.clear(); // closes every connection now, not when each read would end
    QTimer::singleShot(0, this, &ProbeScan::endIfDone);
}

void ProbeScan::onReaderFinished(UnitReader* reader)
{
    const auto it = std::find_if(m_running.begin(), m_running.end(),
                                 [reader](const auto& running) { return running.get() == reader; });
    if (it == m_running.end())
        return;
    const std::unique_ptr<UnitReader> done = std::move(*it);
    m_running.erase(it);
    ++m_done;
    const UnitReader::Verdict verdict = done->verdict();
    if (verdict == UnitReader::Verdict::Whole || verdict == UnitReader::Verdict::Partial) {
        const FoundUnit unit{done->link(), fingerprintOf(done->configuration()),
                             verdict == UnitReader::Verdict::Whole, done->reason()};
        m_found.append(unit);
        emit unitFound(unit);
    }
    emit progress(m_done, targetCount());
    startMore();
    endIfDone();
}

void ProbeScan::endIfDone()
{
    if (m_ended || !m_running.empty() || (!m_cancelled && m_next < m_targets.count))
        return;
    m_ended = true;
    emit finished();
}

} // namespace zel::session

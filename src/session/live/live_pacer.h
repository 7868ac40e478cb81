#pragma once
// When each of the writer's blocks that holds a new value may go to the unit in live mode. One
// entry per block, never a queue of values: the block is written from the model when it goes, so
// the latest value wins. A block changed by a slider's move or by typing waits for the settle
// time, counted from its first change, so that a drag sends at most one block per settle time; a
// single edit (a box ticked, a matrix cell, a copy, undo) may go at once; a slider let go sends
// everything waiting at once.

#include "model/config_writer.h"

#include <QObject>

#include <chrono>
#include <map>
#include <set>

namespace zel::session {

class SettleClock;

class LivePacer : public QObject {
    Q_OBJECT
public:
    enum class Pace {
        AtOnce, // a single edit
        Settle, // one of a series: a slider's move (dragged, or by keys), letters typed
        Rest,   // a choice stepped through by keys: it goes once no change came for the settle
                // time, so only the choice it stays on is sent
    };

    // `clock` must outlive the pacer.
    LivePacer(SettleClock& clock, std::chrono::milliseconds settleTime, QObject* parent = nullptr);

    void setSettleTime(std::chrono::milliseconds settleTime) { m_settleTime = settleTime; }

    // `block` holds a value that is not on the unit: it waits to be sent.
    void changed(model::WriterBlock block, Pace pace);
    // `block` holds again the value last sent: nothing waits for it.
    void withdraw(model::WriterBlock block);
    // A slider was let go: whatever waits may go now.
    void releaseAll();

    // The blocks whose time has come, taken off the list.
    std::set<model::WriterBlock> takeDue();
    // Every block waiting, taken off the list.
    std::set<model::WriterBlock> takeAll();

    bool isWaiting(model::WriterBlock block) const { return m_waiting.contains(block); }
    int waitingCount() const { return static_cast<int>(m_waiting.size()); }
    bool hasDue() const;

signals:
    // A waiting block's settle time has passed.
    void due();

private:
    void scheduleWake();
    void onWoke();

    SettleClock& m_clock;
    std::chrono::milliseconds m_settleTime;
    std::map<model::WriterBlock, qint64> m_waiting; // block -> when it may go
};

} // namespace zel::session

#pragma once
// Reads one unit's configuration without changing anything on it: over TCP the handshake "[]"
// and the request "[QXSB]", over serial the request alone, then the dump as it comes. Never a
// setting. It tells, as early as the first line, whether what answered is a unit at all: a
// unit's dump lines begin with "[" and are commands the reader knows, and a whole dump sets
// something; a reply holding "ERROR" ends it at once. A deadline bounds the whole read, so that
// one hung unit never holds the rest. Runs on signals and timers; start() returns at once.

#include "session/unit/site_link.h"

#include "model/config_model.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>

namespace zel::link {
class ImportTransfer;
class SerialEndpoint;
} // namespace zel::link

namespace zel::session {

class UnitReader : public QObject {
    Q_OBJECT
public:
    enum class Verdict {
        Running,
        Whole,       // the dump ended as it should and set something
        Partial,     // a unit's dump that did not end: reason() says why
        ErrorReply,  // the unit answered "ERROR"
        NotAUnit,    // something answered, not as a unit does
        NoAnswer,    // connected (or the port opened), but nothing came in time
        Unreachable, // the connection could not be made, or the port opened
    };

    struct Settings {
        std::chrono::milliseconds deadline{60000};   // for the whole read
        std::chrono::milliseconds answerTime{30000}; // to connect, and for each character
        std::chrono::milliseconds serialQuietTime{4000};
    };

    UnitReader(const SiteLink& link, Settings settings, QObject* parent = nullptr);
    ~UnitReader() override;

    const SiteLink& link() const { return m_link; }
    void start();
    // Ends the read at once, keeping what came; finished() follows.
    void stop();
    bool isRunning() const { return m_started && m_verdict == Verdict::Running; }

    Verdict verdict() const { return m_verdict; }
    // Why it is not whole: "no answer within 2 seconds", the layer's error, ...
    QString reason() const { return m_reason; }
    // What came, one line per line with CR LF after each, as a .zel file holds it.
    QByteArray text() const { return m_text; }
    // The configuration read from what came.
    const model::ConfigModel& configuration() const { return m_configuration; }

signals:
    void finished();

private:
    void onText(const QString& text);
    void checkLine(const QString& line);
    void onTransferFinished();
    void end(Verdict verdict, const QString& reason);
    QString seconds(std::chrono::milliseconds time) const;

    SiteLink m_link;
    Settings m_settings;
    std::unique_ptr<link::SerialEndpoint> m_endpoint;
    std::unique_ptr<link::ImportTransfer> m_transfer;
    QTimer m_deadline;
    QString m_pendingLine;
    bool m_sawLine = false;
    bool m_started = false;
    bool m_deadlineHit = false;
    Verdict m_verdict = Verdict::Running;
    Verdict m_early = Verdict::Running; // a verdict taken from a line, before the transfer ends
    QString m_reason;
    QByteArray m_text;
    model::ConfigModel m_configuration;
};

} // namespace zel::session

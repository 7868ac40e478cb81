// Imports from a scripted unit inside the test: a loopback server that answers the request with
// exactly the bytes a case needs.

#include "transfer_recorder.h"

#include "link/export_transfer.h"
#include "link/import_transfer.h"
#include "link/telnet_channel.h"
#include "link/transfer_texts.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

using namespace zel;
using namespace zel::test;
using link::TransferOutcome;

namespace {

// Sends `reply` to whoever connects, once the request has arrived, then stays connected.
class ScriptedUnit {
public:
    explicit ScriptedUnit(QByteArray reply) : m_reply(std::move(reply))
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = m_server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                m_request += socket->readAll();
                if (m_request.endsWith("[QXSB]"))
                    socket->write(m_reply);
            });
        });
    }
    QString host() const { return QString("127.0.0.1:%1").arg(m_server.serverPort()); }
    QByteArray request() const { return m_request; }

private:
    QTcpServer m_server;
    QByteArray m_reply;
    QByteArray m_request;
};

struct ImportRun {
    TransferRecord rec;
    QString text;
};

ImportRun importFrom(ScriptedUnit& unit)
{
    link::TransferSettings settings;
    settings.responseTimeout = std::chrono::milliseconds(300);
    link::ImportTransfer transfer(std::make_unique<link::TelnetChannel>(unit.host()), settings);
    ImportRun run;
    record(transfer, run.rec);
    transfer.start();
    EXPECT_TRUE(waitForFinish(run.rec));
    run.text = transfer.receivedText();
    return run;
}

} // namespace

TEST(ScriptedImport, EndsAtTheDumpEndAndReadsNothingAfterIt)
{
    ScriptedUnit unit("[SD1]\r\n[QXSB][SD2]\r\n");
    const ImportRun run = importFrom(unit);
    EXPECT_EQ(unit.request(), "[][QXSB]");
    EXPECT_EQ(run.rec.outcome, TransferOutcome::Completed);
    EXPECT_EQ(run.text, "[SD1]\n[QXSB]");
}

TEST(ScriptedImport, InterruptedEndMarkerDoesNotEndTheImport)
{
    struct Case {
        QByteArray reply;
        QString text;
    };
    const Case cases[] = {
        {"[SD1]\r\n[[QXSB]", "[SD1]\n[[QXSB]"},
        {"[SD1]\r\n[QX\r\nSB]", "[SD1]\n[QX\nSB]"},
        {"[SD1]\n[QX\nSB]", "[SD1]\n[QX\nSB]"}, // a line feed alone ends a line too
        {"[SD1]\r\n[QX\tSB]", "[SD1]\n[QXSB]"}, // reads as the marker but the tab broke it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply.toStdString());
        ScriptedUnit unit(c.reply);
        const ImportRun run = importFrom(unit);
        EXPECT_EQ(run.rec.outcome, TransferOutcome::TimedOut);
        EXPECT_EQ(run.text, c.text);
        EXPECT_EQ(run.rec.logLines,
                  QStringList{link::texts::noResponseLine(std::chrono::milliseconds(300))});
        EXPECT_EQ(run.rec.box, c.text + "\n" +
                                   link::texts::noResponseLine(std::chrono::milliseconds(300)) +
                                   "\n");
    }
}

TEST(ScriptedImport, StatusCountsHalfTheLinesBeforeTheBracket)
{
    // Seven lines in the box when the last "[" arrives.
    ScriptedUnit unit("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\n[QXSB]");
    const ImportRun run = importFrom(unit);
    EXPECT_EQ(run.rec.outcome, TransferOutcome::Completed);
    EXPECT_TRUE(run.rec.statuses.contains(" Importing 3 lines from host: " + unit.host()));
    // A partial last line counts as a line too.
    ScriptedUnit partial("a\r\nb\r\nc\r\nxx[QXSB]");
    const ImportRun partialRun = importFrom(partial);
    EXPECT_TRUE(
        partialRun.rec.statuses.contains(" Importing 2 lines from host: " + partial.host()));
}

namespace {

// Answers the handshake with ")" and the first line with `firstReply`; silent after that.
class ScriptedExportUnit {
public:
    explicit ScriptedExportUnit(QByteArray firstReply) : m_firstReply(std::move(firstReply))
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = m_server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                m_received += socket->readAll();
                if (m_received == "[]")
                    socket->write(")");
                else if (m_received.endsWith("]\n") && !m_answered) {
                    m_answered = true;
                    socket->write(m_firstReply);
                }
            });
        });
    }
    QString host() const { return QString("127.0.0.1:%1").arg(m_server.serverPort()); }
    QByteArray received() const { return m_received; }

private:
    QTcpServer m_server;
    QByteArray m_firstReply;
    QByteArray m_received;
    bool m_answered = false;
};

} // namespace

TEST(ScriptedExport, AcknowledgementAnywhereInTheReplyCountsAndWhatFollowsServesTheNextLine)
{
    // One reply carries both acknowledgements, after other characters.
    ScriptedExportUnit unit("ok (SD0)(FPL0)\r\n");
    link::TransferSettings settings;
    settings.responseTimeout = std::chrono::milliseconds(500);
    settings.settleTime = std::chrono::milliseconds(5);
    link::ExportTransfer transfer(std::make_unique<link::TelnetChannel>(unit.host()),
                                  {"[SD0]", "", "[FPL0]"}, settings);
    TransferRecord rec;
    record(transfer, rec);
    transfer.start();
    ASSERT_TRUE(waitForFinish(rec));
    EXPECT_EQ(rec.outcome, TransferOutcome::Completed);
    EXPECT_EQ(transfer.linesAcknowledged(), 2);
    // The unit reads the last line once the event loop lets it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return unit.received() == "[][SD0]\n[FPL0]\n"; }, 2000))
        << unit.received().toStdString();
    EXPECT_EQ(rec.progress, (QList<QPair<int, int>>{{1, 3}, {3, 3}}));
    // The line end after the last acknowledgement stays unread: the export is over.
    EXPECT_EQ(rec.box, QString("Sending: [SD0]\nWaiting for: (SD0)\nok (SD0)\nSending: [FPL0]\n"
                               "Waiting for: (FPL0)\n(FPL0)"));
}

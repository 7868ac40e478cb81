#pragma once
// What differs between a transfer over the serial port and one over TCP: the request, the end of
// an import, the acknowledgement rule, the handshake and the texts shown.

#include <QByteArray>
#include <QString>

namespace zel::link {

struct LinkPolicy {
    // The connection is made at the start of each transfer and closed at its end (TCP); the
    // serial port is opened beforehand and stays open.
    bool connectsPerTransfer = false;
    // How status texts name the other end: "host: H", "serial port: N".
    QString peer;

    // Import.
    QByteArray importRequest;         // sent to ask for the configuration
    bool quietTimeEndsImport = false; // serial: the import ends after the quiet time
    bool reportsConnecting = false;   // the import reports its start while it connects

    // Export; the handshake ("[]" first, then ")" or "]" back) comes before an import's dump too.
    bool handshake = false;
    // The export pauses before its first line (and after the handshake): a link just made, or a
    // port just chosen, is given a moment. A link held open between transfers needs none.
    bool pausesBeforeSending = true;
    QByteArray lineTerminator; // written after each line
    bool exactAcknowledgement =
        false;                  // reply must hold "(line)", and "ERROR" aborts; else any ")" or "]"
    QString connectionLostLine; // logged when the connection or the port is lost
    QString connectionLostWhy;  // the same in a status text

    static LinkPolicy serial(const QString& portLabel);
    static LinkPolicy telnet(const QString& hostText);
};

// The policy of transfers over a link held open between them (live mode): no connection is made
// per transfer and no pause is needed; the handshake, when the link has one, is made only by the
// first transfer after the link was opened.
LinkPolicy heldPolicy(LinkPolicy policy, bool handshake);

// How status texts name the other end: "serial port: N", "host: H".
QString serialPeer(const QString& portLabel);
QString telnetPeer(const QString& hostText);

} // namespace zel::link

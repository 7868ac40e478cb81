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

    // Import.
    QByteArray importRequest;         // sent to ask for the configuration
    bool quietTimeEndsImport = false; // serial: the import ends after the quiet time
    QString importStartStatus;        // status when the import starts (empty: none)
    QString importLinesStatusPrefix;  // " Importing " N, then this
    QString importEndStatus;          // status when the import ends (empty: none)

    // Export.
    bool handshake = false;    // "[]" first, then wait for ")" or "]"
    QByteArray lineTerminator; // written after each line
    bool exactAcknowledgement =
        false;                  // reply must hold "(line)", and "ERROR" aborts; else any ")" or "]"
    QString timeoutLine;        // logged when a line is not acknowledged in time
    QString connectionLostLine; // logged when the connection or the port is lost

    static LinkPolicy serial(const QString& portLabel);
    static LinkPolicy telnet(const QString& hostText);
};

} // namespace zel::link

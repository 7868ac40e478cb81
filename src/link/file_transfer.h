#pragma once
// File Mode as transfers: reading a ".zel" file for an import or a comparison, and writing one
// for an export. start() does the whole work and finishes before it returns; a file that cannot
// be read or written ends with LinkFailed and says why in errorText().

#include "link/fetch_transfer.h"

#include <QStringList>

namespace zel::link {

class FileImportTransfer : public FetchTransfer {
    Q_OBJECT
public:
    explicit FileImportTransfer(QString path, QObject* parent = nullptr);

    void start() override;
    void cancel() override {}
    void stopNow() override {}
    bool isRunning() const override { return false; }

    QString receivedText() const override { return m_text; }
    QString incompleteReason() const override { return {}; }

private:
    void ending() override;

    QString m_path;
    QString m_text;
};

class FileExportTransfer : public Transfer {
    Q_OBJECT
public:
    // `lines` is the configuration text, one line per entry, as the writer made it.
    FileExportTransfer(QString path, QStringList lines, QObject* parent = nullptr);

    void start() override;
    void cancel() override {}
    void stopNow() override {}
    bool isRunning() const override { return false; }

private:
    void ending() override;

    QString m_path;
    QStringList m_lines;
};

} // namespace zel::link

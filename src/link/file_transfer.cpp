#include "link/file_transfer.h"

#include "link/config_file.h"
#include "link/transfer_texts.h"

#include <utility>

namespace zel::link {

FileImportTransfer::FileImportTransfer(QString path, QObject* parent)
    : FetchTransfer(parent), m_path(std::move(path))
{
}

void FileImportTransfer::start()
{
    const FileReadResult file = readConfigurationFile(m_path);
    if (!file.ok) {
        m_outcome = TransferOutcome::LinkFailed;
        m_errorText = file.errorText;
        // The status line would otherwise still tell how an earlier transfer went.
        emit statusText(texts::importEndStatus(m_outcome, filePeerText(m_path), {}));
    } else {
        m_outcome = TransferOutcome::Completed;
        m_text = file.lines.join(QLatin1Char('\n'));
        emit statusText(fileImportStatus(m_path));
    }
    emit finished(m_outcome);
}

FileExportTransfer::FileExportTransfer(QString path, QStringList lines, QObject* parent)
    : Transfer(parent), m_path(std::move(path)), m_lines(std::move(lines))
{
}

void FileExportTransfer::start()
{
    const FileWriteResult written = writeConfigurationFile(m_path, m_lines);
    if (!written.ok) {
        m_outcome = TransferOutcome::LinkFailed;
        m_errorText = written.errorText;
    } else {
        m_outcome = TransferOutcome::Completed;
        emit statusText(fileExportStatus(m_path));
    }
    emit finished(m_outcome);
}

} // namespace zel::link

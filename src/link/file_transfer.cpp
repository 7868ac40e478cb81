#include "link/file_transfer.h"

#include "link/config_file.h"

#include <utility>

namespace zel::link {

namespace {

TransferStatus fileStatus(TransferStatus::Stage stage, const QString& path, TransferOutcome outcome)
{
    TransferStatus status;
    status.stage = stage;
    status.peer = filePeerText(path);
    status.file = true;
    status.outcome = outcome;
    return status;
}

} // namespace

FileImportTransfer::FileImportTransfer(QString path, QObject* parent)
    : FetchTransfer(parent), m_path(std::move(path))
{
}

void FileImportTransfer::start()
{
    const FileReadResult file = readConfigurationFile(m_path);
    if (!file.ok) {
        finish(TransferOutcome::LinkFailed, file.errorText);
        return;
    }
    m_text = file.lines.join(QLatin1Char('\n'));
    finish(TransferOutcome::Completed);
}

void FileImportTransfer::ending()
{
    // A failure is said too: the status line would otherwise still tell how an earlier
    // transfer went.
    emit status(fileStatus(TransferStatus::Stage::ImportEnded, m_path, m_outcome));
}

FileExportTransfer::FileExportTransfer(QString path, QStringList lines, QObject* parent)
    : Transfer(parent), m_path(std::move(path)), m_lines(std::move(lines))
{
}

void FileExportTransfer::start()
{
    const FileWriteResult written = writeConfigurationFile(m_path, m_lines);
    if (!written.ok)
        finish(TransferOutcome::LinkFailed, written.errorText);
    else
        finish(TransferOutcome::Completed);
}

void FileExportTransfer::ending()
{
    if (m_outcome == TransferOutcome::Completed)
        emit status(fileStatus(TransferStatus::Stage::ExportEnded, m_path, m_outcome));
}

} // namespace zel::link

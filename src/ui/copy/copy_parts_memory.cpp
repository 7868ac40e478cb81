#include "ui/copy/copy_parts_memory.h"

#include "text/file_save.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace zel::ui {

namespace {

constexpr qint64 kLargestFile = 4096; // a few short lines; anything larger is not ours

struct Part {
    const char* name;
    bool model::ZoneCopyParts::*member;
};
constexpr Part kParts[] = {{"volume", &model::ZoneCopyParts::volume},
                           {"volumeLock", &model::ZoneCopyParts::volumeLock},
                           {"balance", &model::ZoneCopyParts::balance},
                           {"dspMode", &model::ZoneCopyParts::dspMode}};

QString userDataFile()
{
    // The data folder follows the application's name: the window's, also where another is set.
    const QString ownName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("ZEL Configuration"));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setApplicationName(ownName);
    return data.isEmpty() ? QString() : data + QStringLiteral("/copy-zone-settings.txt");
}

} // namespace

CopyPartsMemory::CopyPartsMemory(QString path)
    : m_path(path.isEmpty() ? userDataFile() : std::move(path))
{
}

model::ZoneCopyParts CopyPartsMemory::load() const
{
    model::ZoneCopyParts parts;
    QFile file(m_path);
    if (m_path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return parts;
    const QList<QByteArray> lines = file.read(kLargestFile).split('\n');
    for (const Part& part : kParts) {
        for (const QByteArray& line : lines) {
            const QByteArray value = line.trimmed();
            const QByteArray key = QByteArray(part.name) + '=';
            if (value == key + '0' || value == key + '1')
                parts.*part.member = value.endsWith('1');
        }
    }
    return parts;
}

QString CopyPartsMemory::save(const model::ZoneCopyParts& parts) const
{
    if (m_path.isEmpty())
        return QCoreApplication::translate("Copy", "there is no folder for the user's data");
    QByteArray text;
    for (const Part& part : kParts)
        text += QByteArray(part.name) + '=' + (parts.*part.member ? '1' : '0') + '\n';
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return QCoreApplication::translate("Copy", "the folder %1 cannot be made")
            .arg(QDir::toNativeSeparators(QFileInfo(m_path).absolutePath()));
    return text::saveWholeFile(m_path, text);
}

} // namespace zel::ui

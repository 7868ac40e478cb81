#include "report/report_memory.h"

#include "journal/journal.h"
#include "report/report_texts.h"
#include "text/file_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

namespace zel::report {

namespace {

// A few hundred units' particulars; anything larger is not this file.
constexpr qint64 kMemoryLimit = 1024 * 1024;

const QLatin1String kUnits("units");
const QLatin1String kSite("site");
const QLatin1String kClient("client");
const QLatin1String kInstaller("installer");
const QLatin1String kFolder("folder");
const QLatin1String kSuffix("suffix");

} // namespace

ReportMemory::ReportMemory(QString file) : m_file(std::move(file))
{
    QFile memory(m_file);
    if (m_file.isEmpty() || !QFileInfo(m_file).isFile() || !memory.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = memory.read(kMemoryLimit + 1);
    if (bytes.size() <= kMemoryLimit)
        m_memory = QJsonDocument::fromJson(bytes).object();
}

QString ReportMemory::defaultFile()
{
    const QString journal = journal::defaultFolder();
    return journal.isEmpty() ? QString()
                             : QFileInfo(journal).path() + QStringLiteral("/report.json");
}

ReportParticulars ReportMemory::particularsOf(const QString& unit) const
{
    const QJsonObject given = m_memory.value(kUnits).toObject().value(unit).toObject();
    if (unit.isEmpty() || given.isEmpty())
        return {{}, {}, m_memory.value(kInstaller).toString()};
    return {given.value(kSite).toString(), given.value(kClient).toString(),
            given.value(kInstaller).toString()};
}

QString ReportMemory::folder() const
{
    return m_memory.value(kFolder).toString();
}

QString ReportMemory::suffix() const
{
    return m_memory.value(kSuffix).toString();
}

QString ReportMemory::remember(const QString& unit, const ReportParticulars& particulars,
                               const QString& reportPath)
{
    if (!unit.isEmpty()) {
        QJsonObject units = m_memory.value(kUnits).toObject();
        units.insert(unit, QJsonObject{{kSite, particulars.site.trimmed()},
                                       {kClient, particulars.client.trimmed()},
                                       {kInstaller, particulars.installer.trimmed()}});
        m_memory.insert(kUnits, units);
    }
    m_memory.insert(kInstaller, particulars.installer.trimmed());
    const QFileInfo report(reportPath);
    m_memory.insert(kFolder, report.absolutePath());
    m_memory.insert(kSuffix, report.suffix().toLower());
    if (m_file.isEmpty())
        return ReportText::tr("there is no per-user data folder");
    if (const QString folder = QFileInfo(m_file).path(); !QDir().mkpath(folder))
        return ReportText::tr("cannot make the folder %1").arg(folder);
    return m_save(m_file, QJsonDocument(m_memory).toJson());
}

} // namespace zel::report

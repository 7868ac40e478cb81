#include "ui/audio/quick_eq_library.h"

#include "ui/common/user_prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>

namespace zel::ui {

namespace {

// Whether a file can be made in `folder` by this user now. Trying is the one test that sees
// permissions, read-only mounts and access lists alike; the probe is hidden and removed.
bool canMakeFilesIn(const QString& folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".zelconfig-probe-XXXXXX")));
    return probe.open();
}

bool sameFolder(const QString& a, const QString& b)
{
    return QDir(a).absolutePath() == QDir(b).absolutePath();
}

// Folders that programs are installed into, where no user's files belong.
bool isSystemFolder(const QString& folder)
{
#ifdef Q_OS_WIN
    const QStringList roots = {qEnvironmentVariable("ProgramFiles"),
                               qEnvironmentVariable("ProgramFiles(x86)"),
                               qEnvironmentVariable("ProgramW6432")};
    constexpr Qt::CaseSensitivity kCase = Qt::CaseInsensitive;
#else
    const QStringList roots = {QStringLiteral("/usr"),  QStringLiteral("/bin"),
                               QStringLiteral("/sbin"), QStringLiteral("/opt"),
                               QStringLiteral("/snap"), QStringLiteral("/Applications")};
    constexpr Qt::CaseSensitivity kCase = Qt::CaseSensitive;
#endif
    const QString path = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    return std::any_of(roots.begin(), roots.end(), [&](const QString& root) {
        const QString cleanRoot = QDir::cleanPath(QDir::fromNativeSeparators(root));
        return !root.isEmpty() && (path.compare(cleanRoot, kCase) == 0 ||
                                   path.startsWith(cleanRoot + QLatin1Char('/'), kCase));
    });
}

} // namespace

QuickEqLibrary::Folders QuickEqLibrary::programFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
            QDir::cleanPath(program + QStringLiteral("/../share/zelconfig/presets")),
            isInstalledProgram(program)};
}

bool QuickEqLibrary::isInstalledProgram(const QString& programFolder)
{
    return QFileInfo(QDir::cleanPath(programFolder + QStringLiteral("/../share/zelconfig")))
               .isDir() ||
           isSystemFolder(QDir(programFolder).absolutePath());
}

QuickEqLibrary::QuickEqLibrary(UserPrompts& prompts, Folders folders, QObject* parent)
    : QObject(parent), m_prompts(&prompts), m_folders(std::move(folders))
{
}

void QuickEqLibrary::setFolders(Folders folders)
{
    m_folders = std::move(folders);
    emit filesChanged();
}

QString QuickEqLibrary::keptFolder() const
{
    if (m_folders.user.isEmpty())
        return m_folders.program;
    // An installed program's folder can be written by root, and then by root alone.
    return !m_folders.installed && canMakeFilesIn(m_folders.program) ? m_folders.program
                                                                     : m_folders.user;
}

bool QuickEqLibrary::isSample(const QuickEqEntry& entry) const
{
    return !m_folders.samples.isEmpty() &&
           sameFolder(QFileInfo(entry.path).absolutePath(), m_folders.samples);
}

QList<QuickEqEntry> QuickEqLibrary::entries() const
{
    QStringList folders;
    for (const QString& folder : {keptFolder(), m_folders.program, m_folders.samples}) {
        const bool listed = std::any_of(folders.begin(), folders.end(),
                                        [&](const QString& f) { return sameFolder(f, folder); });
        if (!folder.isEmpty() && !listed)
            folders << folder;
    }
    QList<QuickEqEntry> entries;
    for (const QString& folder : folders) {
        for (const QuickEqEntry& entry : listQuickEqFiles(folder)) {
            const bool hidden = std::any_of(entries.begin(), entries.end(), [&](const auto& e) {
                return e.name.compare(entry.name, Qt::CaseInsensitive) == 0;
            });
            if (!hidden)
                entries << entry;
        }
    }
    sortQuickEqEntries(entries);
    return entries;
}

QString QuickEqLibrary::save(const BandLevels& levels, const QString& proposedName)
{
    const QString folder = keptFolder();
    QDir().mkpath(folder); // the per-user folder may not be there yet
    QString path = m_prompts->quickEqSavePath(folder, proposedName);
    if (path.isEmpty())
        return {};
    path = QFileInfo(withQuickEqSuffix(path)).absoluteFilePath();
    const QString shownPath = QDir::toNativeSeparators(path);
    if (QFileInfo::exists(path) &&
        !m_prompts->confirmPresetFile(tr("File %1 exists. Overwrite?").arg(shownPath)))
        return {};
    QString error;
    if (!writeQuickEqFile(path, formatQuickEqLevels(levels), &error)) {
        m_prompts->showError(tr("Cannot create file \"%1\". %2").arg(shownPath, error));
        return {};
    }
    emit filesChanged();
    return path;
}

void QuickEqLibrary::remove(const QuickEqEntry& entry)
{
    if (isSample(entry)) {
        m_prompts->showError(
            tr("EQ %1 is a sample installed with the program and cannot be deleted. "
               "Saving a curve under its name keeps your own copy in its place.")
                .arg(entry.name));
        return;
    }
    if (QFileInfo::exists(entry.path) &&
        m_prompts->confirmPresetFile(tr("Delete EQ: %1?").arg(entry.name))) {
        QFile file(entry.path);
        if (!file.remove())
            m_prompts->showError(
                tr("Cannot delete file \"%1\". %2")
                    .arg(QDir::toNativeSeparators(entry.path), file.errorString()));
    }
    emit filesChanged();
}

} // namespace zel::ui

#include "session/site/history_file_names.h"

#include <QCoreApplication>
#include <QSet>

namespace zel::session {

namespace {

const QString kUnitFileExtension = QStringLiteral(".zel");
// What Windows refuses besides control codes, so that a colleague's clone holds every file.
const QString kRefusedInFileNames = QStringLiteral("/\\:*?\"<>|");

HistoryFileName cleanFileStem(const QString& name)
{
    HistoryFileName file;
    QString stem = name.trimmed();
    for (QChar& character : stem) {
        if (character.unicode() >= 0x20 && character.unicode() != 0x7f &&
            !kRefusedInFileNames.contains(character))
            continue;
        if (!file.replaced.contains(character))
            file.replaced += character;
        character = QLatin1Char('_');
    }
    // A name of dots would be this folder or the one above; a dot or blank at the end is
    // dropped by Windows; a dot at the start hides the file.
    const auto replaceAt = [&file, &stem](qsizetype at) {
        if (!file.replaced.contains(stem[at]))
            file.replaced += stem[at];
        stem[at] = QLatin1Char('_');
    };
    if (stem.startsWith(QLatin1Char('.')))
        replaceAt(0);
    if (stem.endsWith(QLatin1Char('.')) || stem.endsWith(QLatin1Char(' ')))
        replaceAt(stem.size() - 1);
    file.name = stem.isEmpty() ? QStringLiteral("_") : stem;
    return file;
}

} // namespace

HistoryFileName siteFolderName(const QString& siteFileName)
{
    QString stem = siteFileName;
    if (stem.endsWith(QLatin1String(".zelsite"), Qt::CaseInsensitive))
        stem.chop(int(QStringLiteral(".zelsite").size()));
    return cleanFileStem(stem);
}

QList<HistoryFileName> unitFileNames(const QStringList& unitNames)
{
    QList<HistoryFileName> files;
    QSet<QString> taken;
    for (const QString& unitName : unitNames) {
        HistoryFileName file = cleanFileStem(unitName);
        const QString stem = file.name;
        for (int number = 2; taken.contains(file.name.toCaseFolded()); ++number)
            file.name = QStringLiteral("%1 (%2)").arg(stem).arg(number);
        taken.insert(file.name.toCaseFolded());
        file.name += kUnitFileExtension;
        files << file;
    }
    return files;
}

QString replacedNote(const QString& unitName, const HistoryFileName& file)
{
    QStringList shown;
    for (const QChar character : file.replaced)
        shown << (character.unicode() < 0x20 || character.unicode() == 0x7f
                      ? QCoreApplication::translate("Site", "control code %1")
                            .arg(character.unicode())
                      : QStringLiteral("\"%1\"").arg(character));
    return QCoreApplication::translate(
               "Site", "the unit \"%1\" is kept in \"%2\": a file name cannot hold %3")
        .arg(unitName, file.name, shown.join(QStringLiteral(", ")));
}

} // namespace zel::session

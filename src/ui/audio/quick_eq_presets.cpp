#include "ui/audio/quick_eq_presets.h"

#include "model/config_reader.h"
#include "text/file_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>

namespace zel::ui {

namespace {

// The lines of `text`, split as a configuration is. With `dropUnfinished` a last line without a
// line break is left out (it may have been cut by the read limit).
std::vector<std::string_view> splitLines(std::string_view text, bool dropUnfinished)
{
    std::vector<std::string_view> lines = model::splitLines(text);
    const bool finished = !text.empty() && (text.back() == '\r' || text.back() == '\n');
    if (dropUnfinished && !finished && !lines.empty())
        lines.pop_back();
    return lines;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A decimal integer with optional blanks around it and an optional sign; nothing else.
std::optional<long long> parseDecimal(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    const bool plus = !text.empty() && text.front() == '+';
    if (plus)
        text.remove_prefix(1);
    if (text.empty() || text.front() == '+' || (plus && text.front() == '-'))
        return std::nullopt;
    int value = 0; // a 32-bit value as a file line can hold; more digits are a bad line
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

QList<QuickEqEntry> listQuickEqFiles(const QString& folder)
{
    const QString extension = QStringLiteral(".") + QLatin1String(kQuickEqSuffix);
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*") + extension});
    dir.setFilter(QDir::Files); // no folders, hidden or system files

    QList<QuickEqEntry> entries;
    for (const QString& fileName : dir.entryList()) {
        // The name filter ignores letter case already; check again so that the entry is cut
        // at the first ".eq" whatever the case.
        const qsizetype cut = fileName.indexOf(extension, 0, Qt::CaseInsensitive);
        if (cut < 0 || !fileName.endsWith(extension, Qt::CaseInsensitive))
            continue;
        entries.push_back({fileName.left(cut), fileName, dir.filePath(fileName)});
    }
    sortQuickEqEntries(entries);
    return entries;
}

void sortQuickEqEntries(QList<QuickEqEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const QuickEqEntry& a, const QuickEqEntry& b) {
                         const int byName = a.name.compare(b.name, Qt::CaseInsensitive);
                         return byName != 0 ? byName < 0 : a.fileName < b.fileName;
                     });
}

std::vector<int> parseQuickEqLevels(const QByteArray& content)
{
    const bool cut = content.size() > kQuickEqReadLimit;
    const std::string_view text(content.constData(),
                                static_cast<size_t>(std::min(content.size(), kQuickEqReadLimit)));
    std::vector<int> levels;
    for (std::string_view line : splitLines(text, cut)) {
        if (levels.size() == static_cast<size_t>(model::kBands))
            break;
        const std::optional<long long> value = parseDecimal(line);
        if (!value)
            break;
        levels.push_back(
            static_cast<int>(std::clamp<long long>(-*value, kQuickEqMinLevel, kQuickEqMaxLevel)));
    }
    return levels;
}

std::vector<int> readQuickEqFile(const QString& path)
{
    // A pipe (behind a link named like a preset file, say) would block the open until some
    // program writes to it, and the window with it.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseQuickEqLevels(file.read(kQuickEqReadLimit + 1));
}

QByteArray formatQuickEqLevels(const BandLevels& levels)
{
    QByteArray content;
    for (int level : levels) {
        content += QByteArray::number(-level);
        content += "\r\n";
    }
    return content;
}

bool writeQuickEqFile(const QString& path, const QByteArray& content, QString* error)
{
    const QString failure = text::saveWholeFile(path, content);
    if (error)
        *error = failure;
    return failure.isEmpty();
}

QString withQuickEqSuffix(const QString& path)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    const QString dot = path.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".");
    return path + dot + QLatin1String(kQuickEqSuffix);
}

} // namespace zel::ui

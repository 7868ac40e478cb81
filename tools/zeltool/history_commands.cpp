// history: the unit journal, listed newest first, and the text of one entry.

#include "arguments.h"
#include "byte_files.h"
#include "tool_command.h"

#include "journal/journal.h"

namespace zel::tool {

namespace {

std::string entryLine(int number, const journal::Entry& entry)
{
    const QString time = entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return std::to_string(number) + "  " + time.toStdString() + "  " +
           journal::directionWord(entry.direction).toStdString() + "  " + entry.unit.toStdString() +
           "  " + journal::endingText(entry).toStdString() + "  " +
           std::to_string(entry.configLines) + " lines\n";
}

int listEntries(const journal::Journal& journal)
{
    const QList<journal::Entry> entries = journal.entries();
    std::string text;
    for (int i = 0; i < entries.size(); ++i)
        text += entryLine(i + 1, entries[i]);
    if (!writeStandardOutput(text))
        return fail(kExitFailure, "cannot write to standard output");
    return kExitOk;
}

// The stored text has CR LF line ends, as a .zel file; standard output gets "\n" as import's.
std::string withNewlines(const QByteArray& text)
{
    std::string out = text.toStdString();
    std::string::size_type at = 0;
    while ((at = out.find("\r\n", at)) != std::string::npos)
        out.erase(at, 1);
    return out;
}

int showEntry(const journal::Journal& journal, const std::string& word,
              const std::optional<std::string>& output)
{
    const QList<journal::Entry> entries = journal.entries();
    bool isNumber = false;
    const int number = QString::fromStdString(word).toInt(&isNumber);
    if (!isNumber || number < 1 || number > entries.size())
        return fail(kExitUsage, "history show: no entry '" + word + "'; the journal holds " +
                                    std::to_string(entries.size()) +
                                    " (1 is the newest; 'zeltool history' lists them)");
    QString error;
    const std::optional<QByteArray> text = journal.text(entries[number - 1], &error);
    if (!text)
        return fail(kExitFailure,
                    "history show: cannot read entry " + word + ": " + error.toStdString());
    if (!output) {
        if (!writeStandardOutput(withNewlines(*text)))
            return fail(kExitFailure, "cannot write to standard output");
    } else if (const std::string saveError = replaceFile(*output, text->toStdString());
               !saveError.empty()) {
        return fail(kExitFailure, "cannot write '" + *output + "': " + saveError +
                                      " (any existing file is unchanged)");
    }
    return kExitOk;
}

int runHistory(const Arguments& arguments)
{
    const journal::Journal journal;
    const std::vector<std::string>& words = arguments.positional;
    if (words.empty()) {
        if (arguments.output)
            return fail(kExitUsage, "history: -o is taken by 'history show N' only");
        return listEntries(journal);
    }
    if (words.size() != 2 || words[0] != "show")
        return fail(kExitUsage, "history: give nothing to list the journal, or 'show N'");
    return showEntry(journal, words[1], arguments.output);
}

constexpr std::string_view kHistoryDetails =
    "Every configuration read from a unit or sent to one, by zeltool or the window, is kept in\n"
    "the unit journal. 'zeltool history' lists it newest first, one line per entry: its number\n"
    "(1 is the newest), the time, from or to the unit, the unit, whole or how it ended, and its\n"
    "configuration lines. 'zeltool history show N' prints entry N's text, or saves it with -o\n"
    "(CR LF line ends), so that a unit is restored with\n"
    "  zeltool history show N -o f.zel && zeltool export f.zel --tcp HOST\n"
    "\n"
    "The journal keeps the newest 500 entries or 50 MiB, whichever is less. It is the folder\n"
    "\"journal\" in the per-user data folder (on Linux ~/.local/share/ZEL Configuration/journal);\n"
    "deleting that folder empties it.";

} // namespace

void addHistoryCommands(CommandTable& table)
{
    table.push_back({"history", "[show N [-o OUT]]",
                     "list the unit journal newest first, or print or save entry N", kOptionOutput,
                     0, runHistory, kHistoryDetails, false, 2});
}

} // namespace zel::tool

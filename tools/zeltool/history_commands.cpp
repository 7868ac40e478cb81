// history: the unit journal, listed newest first, the text of one entry, and keeping an entry
// from the journal's bound.

#include "arguments.h"
#include "byte_files.h"
#include "tool_command.h"

#include "journal/journal.h"
#include "session/unit/unit_journal.h"

namespace zel::tool {

namespace {

// "3  2026-12-10 09:02:44  as found before a send  from  tcp:10.0.0.5:23  whole fetch  495
// lines": an entry kept before causes were written goes without one.
std::string entryLine(int number, const journal::Entry& entry)
{
    const QString time = entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QString cause = journal::causeText(entry.cause);
    return std::to_string(number) + "  " + time.toStdString() + "  " +
           (cause.isEmpty() ? std::string() : cause.toStdString() + "  ") +
           journal::directionWord(entry.direction).toStdString() + "  " + entry.unit.toStdString() +
           "  " + journal::summaryText(entry).toStdString() + "  " +
           std::to_string(entry.configLines) + " lines" + (entry.kept ? "  kept" : "") + "\n";
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

// The number of entry `word` of `entries` (1 is the newest); nothing, said on standard error,
// when there is no such entry.
std::optional<int> entryNamed(const QList<journal::Entry>& entries, const std::string& command,
                              const std::string& word)
{
    bool isNumber = false;
    const int number = QString::fromStdString(word).toInt(&isNumber);
    if (isNumber && number >= 1 && number <= entries.size())
        return number;
    fail(kExitUsage, "history " + command + ": no entry '" + word + "'; the journal holds " +
                         std::to_string(entries.size()) +
                         " (1 is the newest; 'zeltool history' lists them)");
    return std::nullopt;
}

int showEntry(const journal::Journal& journal, const std::string& word,
              const std::optional<std::string>& output)
{
    const QList<journal::Entry> entries = journal.entries();
    const std::optional<int> number = entryNamed(entries, "show", word);
    if (!number)
        return kExitUsage;
    const journal::Entry* entry = &entries[*number - 1];
    QString error;
    const std::optional<QByteArray> text = journal.text(*entry, &error);
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
    if (!journal::holdsWholeConfiguration(*entry))
        fail(kExitOk, "history show: entry " + word + " is a " +
                          journal::kindText(journal::kindOf(*entry)).toStdString() +
                          ": it holds only the parts that were sent, not a whole configuration; "
                          "exported as one, it would give the unit defaults for the rest");
    return kExitOk;
}

int keepEntry(journal::Journal& journal, const std::string& command, const std::string& word)
{
    const QList<journal::Entry> entries = journal.entries();
    const std::optional<int> number = entryNamed(entries, command, word);
    if (!number)
        return kExitUsage;
    journal::Entry entry = entries[*number - 1];
    entry.kept = command == "keep";
    if (const QString error = journal.setKept(entry, entry.kept).text; !error.isEmpty())
        return fail(kExitFailure, "history " + command + ": entry " + word +
                                      " is unchanged: " + error.toStdString());
    if (!writeStandardOutput(entryLine(*number, entry)))
        return fail(kExitFailure, "cannot write to standard output");
    return kExitOk;
}

int runHistory(const Arguments& arguments)
{
    journal::Journal journal;
    session::protectKnownUnits(journal);
    const std::vector<std::string>& words = arguments.positional;
    if (arguments.output && (words.empty() || words[0] != "show"))
        return fail(kExitUsage, "history: -o is taken by 'history show N' only");
    if (words.empty())
        return listEntries(journal);
    if (words.size() == 2 && words[0] == "show")
        return showEntry(journal, words[1], arguments.output);
    if (words.size() == 2 && (words[0] == "keep" || words[0] == "unkeep"))
        return keepEntry(journal, words[0], words[1]);
    return fail(kExitUsage,
                "history: give nothing to list the journal, 'show N', 'keep N' or 'unkeep N'");
}

constexpr std::string_view kHistoryDetails =
    "Every configuration read from a unit or sent to one, by zeltool or the window, is kept in\n"
    "the unit journal. 'zeltool history' lists it newest first, one line per entry: its number\n"
    "(1 is the newest), the time to the second, why it was made (import, export, Send Selected,\n"
    "as found before a send, compare, site backup, site verify, live start, live read, live\n"
    "edit, live end, restore; older entries do not say), from or to the unit, the unit, what it\n"
    "is (whole fetch, incomplete fetch, whole send, partial send, incomplete send) and how it\n"
    "ended when not whole, its configuration lines, and \"kept\" for an entry kept from the\n"
    "bound.\n"
    "'zeltool history show N' prints entry N's text, or saves it with -o (CR LF line ends), so\n"
    "that a unit is restored with\n"
    "  zeltool history show N -o f.zel && zeltool export f.zel --tcp HOST\n"
    "A partial send (export --changes-only, the window's Send Selected) holds only what was\n"
    "sent: 'show' still gives it, and says on standard error that it is not a whole one.\n"
    "'zeltool history keep N' keeps entry N however full the journal gets; 'unkeep N' lets\n"
    "the bound drop it again.\n"
    "\n"
    "The journal keeps 500 entries or 50 MiB, whichever is less. Beyond that it drops entries\n"
    "that did not end whole first, then the oldest; never a kept entry, nor the newest whole\n"
    "fetch of each unit. It is the folder \"journal\" in the per-user data folder (on Linux\n"
    "~/.local/share/ZEL Configuration/journal); deleting that folder empties it.";

} // namespace

void addHistoryCommands(CommandTable& table)
{
    table.push_back({"history", "[show N [-o OUT] | keep N | unkeep N]",
                     "list the unit journal newest first, print or save entry N, or keep it",
                     kOptionOutput, 0, runHistory, kHistoryDetails, false, 2});
}

} // namespace zel::tool

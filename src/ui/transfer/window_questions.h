#pragma once
// What the window asks or tells before something would be lost: the configuration being edited,
// or the unit's own configuration.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace zel::ui::questions {

// A question kept as a constant, translated when it is asked: the constant is made before any
// translation is loaded.
struct Question {
    const char* source;
    operator QString() const { return QCoreApplication::translate("Questions", source); }
};

inline constexpr Question kDiscardOnImport{
    QT_TRANSLATE_NOOP("Questions", "The configuration being edited has changes that were neither "
                                   "exported nor saved.\n\nImport anyway and discard them?")};
inline constexpr Question kDiscardOnNew{QT_TRANSLATE_NOOP(
    "Questions", "The configuration being edited has changes that were neither exported nor "
                 "saved.\n\nStart a new configuration and discard them?")};
// `what`: "the journal entry", "the commit 1a2b3c4".
inline QString discardOnOpen(const QString& what)
{
    return QCoreApplication::translate("Questions",
                                       "The configuration being edited has changes that were "
                                       "neither exported nor saved.\n\nOpen %1 anyway and "
                                       "discard them?")
        .arg(what);
}
// Sending only what changed needs to know what the unit holds.
inline QString sendSelectedUnknown(const QString& reason)
{
    return QCoreApplication::translate(
               "Questions", "The unit's configuration did not come whole (%1), so what it holds is "
                            "not known and the rows cannot be sent on their own.\n\nCompare again, "
                            "or export the whole configuration.")
        .arg(reason);
}
// Restoring replaces what the unit holds now.
inline QString restoreEntry(const QString& unit, const QString& entry)
{
    return QCoreApplication::translate(
               "Questions", "Send %1 to the unit %2?\n\nWhat the unit holds now is replaced.")
        .arg(entry, unit);
}
inline constexpr Question kDiscardOnExit{
    QT_TRANSLATE_NOOP("Questions", "The configuration being edited has changes that were neither "
                                   "exported nor saved.\n\nExit and discard them?")};

// Closing while an export runs leaves the unit with part of the configuration.
inline QString closeDuringExport(bool unsavedEdits)
{
    return QCoreApplication::translate(
               "Questions", "An export to the unit is running. Closing now stops it, and the unit "
                            "keeps only the lines it has taken so far.") +
           (unsavedEdits ? QCoreApplication::translate(
                               "Questions", " The changes being edited are not saved either.")
                         : QString()) +
           QCoreApplication::translate("Questions", "\n\nStop the export and exit?");
}

// Closing while the unit is read before a send: nothing has gone yet, and nothing will.
inline QString closeBeforeSend(bool unsavedEdits)
{
    return QCoreApplication::translate(
               "Questions",
               "The unit's configuration is being read before a send to it. Closing now "
               "stops the read, and nothing is sent.") +
           (unsavedEdits ? QCoreApplication::translate(
                               "Questions", " The changes being edited are not saved either.")
                         : QString()) +
           QCoreApplication::translate("Questions", "\n\nStop and exit?");
}

inline constexpr Question kNothingToSend{QT_TRANSLATE_NOOP(
    "Questions",
    "There is no configuration to send: nothing that was imported or opened set anything, so "
    "the unit would get blank settings (no names, no favorites or groups, DHCP off).\n\n"
    "Import the unit's configuration, open a .zel file in File Mode, or choose \"New ZEL-8\" or "
    "\"New ZEL-16\", then export again.")};

// Sending a configuration that did not come whole replaces the unit's with an incomplete one.
inline QString sendIncomplete(const QString& reason)
{
    return QCoreApplication::translate(
               "Questions", "The configuration being edited was not read completely from the unit "
                            "(%1), so settings that did not arrive would be sent as blanks.\n\n"
                            "Send it to the unit anyway?")
        .arg(reason);
}

// What a configuration whose text did not set all of a whole one is exported with: `missing`
// the parts it did not set, `reason` why its fetch was not whole (empty when it was). A file
// saved with them holds the blanks and defaults as if they had been read.
inline QString sendPartial(const QStringList& missing, const QString& reason, bool toFile)
{
    const QString what =
        reason.isEmpty()
            ? QCoreApplication::translate(
                  "Questions", "The configuration being edited is not a whole configuration: it "
                               "did not set ")
            : QCoreApplication::translate(
                  "Questions", "The configuration being edited was not read completely from the "
                               "unit (%1): it did not set ")
                  .arg(reason);
    return what + missing.join(QStringLiteral("; ")) +
           (toFile ? QCoreApplication::translate(
                         "Questions", ".\n\nSaved, the file holds blanks or defaults in their "
                                      "place, and reads back as if they had been set.\n\nSave it "
                                      "anyway?")
                   : QCoreApplication::translate(
                         "Questions", ".\n\nSent, the unit gets blanks or defaults in their place "
                                      "(names blanked, favorites and groups cleared, a network "
                                      "address that can take the unit off the network).\n\nSend "
                                      "it to the unit anyway?"));
}

// A configuration of one model sent to a unit of the other leaves it with part of each.
inline QString sendToOtherModel(const QString& sentModel, const QString& unitModel,
                                const QString& unitName)
{
    return QCoreApplication::translate(
               "Questions", "The configuration being sent is for a %1, but the unit %2 is a %3 (as "
                            "its configuration showed when it was last fetched).\n\nSent, the "
                            "unit holds part of each: what the configuration does not name stays "
                            "as it was.\n\nSend it anyway?")
        .arg(sentModel, unitName, unitModel);
}

// The fetch that was to tell the unit's model did not: `why` says what it brought.
inline QString sendToUnknownModel(const QString& unitName, const QString& why)
{
    return QCoreApplication::translate(
               "Questions", "The model of the unit %1 is not known: %2. Sent to a unit of another "
                            "model, the configuration leaves it with part of each.\n\nSend it "
                            "anyway?")
        .arg(unitName, why);
}

// Names and addresses that a config line cannot carry are cut or misread by the unit, and may
// take the lines around them along.
inline QString sendUncarriedTexts(const QStringList& findings)
{
    constexpr qsizetype kListed = 8; // a longer list ends with how many more there are
    QStringList listed = findings.first(std::min(kListed, findings.size()));
    if (findings.size() > kListed)
        listed << QCoreApplication::translate("Questions", "... and %1 more")
                      .arg(findings.size() - kListed);
    return QCoreApplication::translate(
               "Questions", "The configuration holds texts that a configuration line cannot carry "
                            "(line breaks or other control codes, \"[\", \"]\", the byte 0xFF). "
                            "Exported, they are cut or misread, and the lines around them may be "
                            "lost:\n\n%1\n\nCorrect them on their pages first, or export anyway?")
        .arg(listed.join(QLatin1Char('\n')));
}

// "File " full path " exists. Overwrite?"
inline QString overwriteFile(const QString& path)
{
    return QCoreApplication::translate("Questions", "File %1 exists. Overwrite?")
        .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

} // namespace zel::ui::questions

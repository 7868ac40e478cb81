#pragma once
// Every question the window puts to the user: the serial port, the telnet host, the file to
// read or write, the quick EQ preset file to save, the confirmations, and the general error
// message. Behind an interface so that the window can be driven without modal dialogs (tests
// answer them in code).

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace zel::ui {

// One item the user may tick in a choice of several (a zone, a preset, a setting to take along).
struct TickableItem {
    QString label;
    bool enabled = true; // an item that cannot be chosen is shown unticked and greyed
    bool ticked = false; // as the choice is first shown
};

// What was ticked in a choice of items with options: the positions (from 0) of the items, and
// each option's state, in the order they were offered.
struct TickChoice {
    QList<int> items;
    QList<bool> options;
};

// Which side wins where the unit and the configuration being edited differ in live mode.
enum class LiveSide { SendEdited, TakeUnits, Cancel };

// What the report dialog proposes: the file, who the report is for, and what its changes may
// be listed since.
struct ReportQuestion {
    QString path;
    QString site, client, installer;
    QStringList baselines; // each named with its date and time
    int baseline = -1;     // the one proposed; -1: no list of changes
    // The file proposed for a site as it is typed, while the name is not the user's own.
    std::function<QString(const QString& site)> pathForSite;
    bool offerFile = true; // a configuration file may be chosen to list the changes since
};

// What the user chose in the report dialog.
struct ReportChoice {
    QString path;
    QString site, client, installer;
    QString notes;
    int baseline = -1;    // one of the question's baselines; -1: none, or the file below
    QString baselineFile; // a configuration file to list the changes since
};

class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // "Select Port": the port chosen or typed; nothing when the choice was cancelled.
    virtual std::optional<QString> choosePort() = 0;
    // A one-line entry with a caption and a prompt, starting with `text`: the entry's text when
    // closed with "OK"; nothing when cancelled.
    virtual std::optional<QString> inputQuery(const QString& caption, const QString& prompt,
                                              const QString& text) = 0;
    // The open and save dialogs for configuration files, proposing `fileName`; empty when
    // cancelled.
    virtual QString openFileName(const QString& fileName) = 0;
    virtual QString saveFileName(const QString& fileName) = 0;
    // A confirmation box with "OK" and "Cancel": true for "OK". Enter answers "Cancel".
    virtual bool confirm(const QString& question) = 0;
    // The save dialog for a quick EQ preset file (".eq" added to a name typed without an
    // extension), starting in `folder` with `fileName` proposed; empty when cancelled.
    virtual QString quickEqSavePath(const QString& folder, const QString& fileName) = 0;
    // The confirmation box of the quick EQ overwrite and delete questions, titled "Confirm":
    // true for "OK".
    virtual bool confirmPresetFile(const QString& question) = 0;
    // A small dialog titled `title` that explains `text` and lists `items` with check boxes:
    // the positions (from 0) of the items ticked when closed with "OK"; none when cancelled.
    virtual QList<int> chooseItems(const QString& title, const QString& text,
                                   const QList<TickableItem>& items) = 0;
    // The same with `options` above the items, as check boxes that say what the action takes
    // along (the settings a copy takes), ticked as given: what was ticked when closed with "OK";
    // nothing when cancelled. Without a dialog of its own the options stay as given.
    virtual std::optional<TickChoice> chooseItemsAndOptions(const QString& title,
                                                            const QString& text,
                                                            const QList<TickableItem>& items,
                                                            const QList<TickableItem>& options)
    {
        const QList<int> ticked = chooseItems(title, text, items);
        if (ticked.isEmpty())
            return std::nullopt;
        QList<bool> states;
        for (const TickableItem& option : options)
            states << option.ticked;
        return TickChoice{ticked, states};
    }
    // The report dialog: the file (HTML or PDF), the site, client and installer, notes, and what
    // the changes are listed since. Nothing when cancelled.
    virtual std::optional<ReportChoice> reportFile(const ReportQuestion& question) = 0;
    // Live mode: `text` says where the unit and the configuration being edited differ,
    // `differences` lists them; the answer says which side wins. Without `canSendEdited` only the
    // unit's configuration can be taken. Enter and Escape answer Cancel.
    virtual LiveSide chooseLiveSide(const QString& text, const QStringList& differences,
                                    bool canSendEdited) = 0;
    // The application's general error message box.
    virtual void showError(const QString& text) = 0;
};

} // namespace zel::ui

#pragma once
// The PC quick EQ preset files as the window keeps them, one library shared by the quick EQ
// controls of both pages: where the ".eq" files are kept and looked for, what is listed, and the
// questions and file work behind "Save" and "Delete". Every change is announced to both pages.
//
// A copy run from where it was unpacked keeps its files in its own folder while that can be
// written. An installed program keeps them in the per-user data folder, for every user and root
// alike, so that no user's files land among the installed ones or are shared with other users.
// The sample presets installed with the program are listed as well; a kept file of the same
// name hides its sample. Samples are only read: "Save" under a sample's name writes the user's
// own copy, and "Delete" says why a sample stays.

#include "ui/audio/quick_eq_presets.h"

#include <QObject>
#include <QStringList>

namespace zel::ui {

class UserPrompts;

class QuickEqLibrary : public QObject {
    Q_OBJECT
public:
    struct Folders {
        QString program;        // files are kept here while it can be written
        QString user;           // else here; made when a file is first saved
        QString samples;        // the sample presets; only read
        bool installed = false; // files are kept in `user` even where `program` can be written
    };
    // The running program's folders: its own folder, the per-user data folder, and the samples
    // installed at "../share/zelconfig/presets" beside it.
    static Folders programFolders();
    // Whether the program in `programFolder` is installed: it runs from the "bin" folder of an
    // install prefix (a "share/zelconfig" folder is beside it) or from a system folder.
    static bool isInstalledProgram(const QString& programFolder);

    explicit QuickEqLibrary(UserPrompts& prompts, Folders folders = programFolders(),
                            QObject* parent = nullptr);

    void setPrompts(UserPrompts& prompts) { m_prompts = &prompts; }
    const Folders& folders() const { return m_folders; }
    // Looks in other folders from now on; the pages list them at once.
    void setFolders(Folders folders);

    // The folder new files go to now: the per-user folder for an installed program; else the
    // program's folder if a file can be made there, else the per-user folder.
    QString keptFolder() const;
    // The files of the kept folder, the program's folder and the samples, each name once (the
    // first folder that has it wins), sorted by name without regard to letter case.
    QList<QuickEqEntry> entries() const;

    // Asks where to save `levels` (proposing `proposedName`, starting in the kept folder) and
    // before overwriting a file, then writes it. The written file's path; empty when nothing
    // was written (cancelled, or the error has been shown).
    QString save(const BandLevels& levels, const QString& proposedName);
    // Asks before deleting the file of `entry` and deletes it, saying so when that fails. A
    // sample is not deleted: the user is told why.
    void remove(const QuickEqEntry& entry);

signals:
    // Files were saved or deleted, or other folders are looked in: list them anew.
    void filesChanged();

private:
    bool isSample(const QuickEqEntry& entry) const;

    UserPrompts* m_prompts;
    Folders m_folders;
};

} // namespace zel::ui

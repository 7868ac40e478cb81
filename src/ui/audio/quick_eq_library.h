#pragma once
// The PC quick EQ preset files as the window keeps them, one library shared by the quick EQ
// controls of both pages: where the ".eq" files are kept and looked for, what is listed, and the
// questions and file work behind "Save" and "Delete". Every change is announced to both pages.
//
// Files are kept in the program's folder while it can be written (a copy run from where it was
// unpacked), else in the per-user data folder (an install into a system folder). The sample
// presets installed with the program are listed as well; a kept file of the same name hides its
// sample. A sample that cannot be written is still applied, and "Save" writes a copy of it into
// the folder where files are kept.

#include "ui/audio/quick_eq_presets.h"

#include <QObject>
#include <QStringList>

namespace zel::ui {

class UserPrompts;

class QuickEqLibrary : public QObject {
    Q_OBJECT
public:
    struct Folders {
        QString program; // files are kept here while it can be written
        QString user;    // else here; made when a file is first saved
        QString samples; // the sample presets; only read
    };
    // The running program's folders: its own folder, the per-user data folder, and the samples
    // installed at "../share/zelconfig/presets" beside it.
    static Folders programFolders();

    explicit QuickEqLibrary(UserPrompts& prompts, Folders folders = programFolders(),
                            QObject* parent = nullptr);

    void setPrompts(UserPrompts& prompts) { m_prompts = &prompts; }
    const Folders& folders() const { return m_folders; }
    // Looks in other folders from now on; the pages list them at once.
    void setFolders(Folders folders);

    // The folder new files go to now: the program's folder if a file can be made there, else
    // the per-user folder.
    QString keptFolder() const;
    // The files of the kept folder, the program's folder and the samples, each name once (the
    // first folder that has it wins), sorted by name without regard to letter case.
    QList<QuickEqEntry> entries() const;

    // Asks where to save `levels` (proposing `proposedName`, starting in the kept folder) and
    // before overwriting a file, then writes it. The written file's path; empty when nothing
    // was written (cancelled, or the error has been shown).
    QString save(const BandLevels& levels, const QString& proposedName);
    // Asks before deleting the file of `entry` and deletes it; a failure goes unreported.
    void remove(const QuickEqEntry& entry);

signals:
    // Files were saved or deleted, or other folders are looked in: list them anew.
    void filesChanged();

private:
    UserPrompts* m_prompts;
    Folders m_folders;
};

} // namespace zel::ui

#pragma once
// What the report dialog remembers between visits, in a small file in the per-user data folder
// beside the unit journal: the site, client and installer given for each unit (by the unit's
// name as the journal names it), the installer given last, and the folder and form of the
// report saved last. A file that cannot be read is taken as empty: it holds nothing that cannot
// be typed again.

#include "report/report_request.h"
#include "text/file_save.h"

#include <QJsonObject>
#include <QString>

namespace zel::report {

class ReportMemory {
public:
    explicit ReportMemory(QString file = defaultFile());

    // "report.json" in the window's per-user data folder; empty when there is none.
    static QString defaultFile();

    // What was given last for `unit`; for a unit not seen before (or none), only the installer
    // given last.
    ReportParticulars particularsOf(const QString& unit) const;
    // The folder of the report saved last, and its extension ("pdf", "html"); empty when none.
    QString folder() const;
    QString suffix() const;

    // Keeps `particulars` for `unit` (for no unit, only the installer) and the folder and form
    // of `reportPath`. Why it could not be saved, or empty.
    QString remember(const QString& unit, const ReportParticulars& particulars,
                     const QString& reportPath);
    // The routine the file is saved with: text::saveWholeFile unless replaced.
    void setSaveRoutine(text::SaveRoutine save) { m_save = std::move(save); }

private:
    QString m_file;
    text::SaveRoutine m_save = text::saveWholeFile;
    QJsonObject m_memory;
};

} // namespace zel::report

#include "link/file_save.h"

#include <QSaveFile>

namespace zel::link {

QString saveWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // The flush comes first: a write that fails while the buffer empties (a full disk) is not
    // seen by commit(), which would then put the cut file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace zel::link

#pragma once
// A device that takes writes up to a chosen byte and fails there, as a disk that fills up
// part-way through a save: a save's error path is tested without filling a disk.

#include "text/file_save.h"

#include <QIODevice>

#include <functional>

namespace zel::test {

class FailingWriteDevice : public QIODevice {
public:
    explicit FailingWriteDevice(qint64 failAt) : m_room(failAt) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        m_room -= size;
        if (m_room >= 0)
            return size;
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }

private:
    qint64 m_room; // bytes it takes before it fails
};

// Saves as text::saveWholeFile() does, except to the paths `fails` picks: those go to a
// FailingWriteDevice that fills up after `failAt` bytes, and the save answers its error.
inline text::SaveRoutine failingSaveWhere(std::function<bool(const QString&)> fails, qint64 failAt)
{
    return [fails = std::move(fails), failAt](const QString& path, const QByteArray& bytes) {
        if (!fails(path))
            return text::saveWholeFile(path, bytes);
        FailingWriteDevice disk(failAt);
        return disk.write(bytes) == bytes.size() ? QString() : disk.errorString();
    };
}

} // namespace zel::test

#pragma once
// Cuts the bytes a unit receives into commands. A command starts at "[" and ends at the "]" that
// follows an even number of double quotes (names may hold "]"), or at the end of its text line.
// Serial lines come without a terminator, so the closing bracket is what ends them.

#include <QByteArray>

#include <vector>

namespace zelsim {

class CommandAssembler {
public:
    std::vector<QByteArray> feed(const QByteArray& bytes);

private:
    static constexpr qsizetype kLongestCommand = 4096; // a longer one is dropped as garbage

    QByteArray m_command;
    bool m_inCommand = false;
    int m_quotes = 0;
};

} // namespace zelsim

#include "command_assembler.h"

namespace zelsim {

std::vector<QByteArray> CommandAssembler::feed(const QByteArray& bytes)
{
    std::vector<QByteArray> commands;
    for (const char byte : bytes) {
        if (!m_inCommand) {
            if (byte == '[') {
                m_inCommand = true;
                m_command = "[";
                m_quotes = 0;
            }
            continue;
        }
        const bool lineEnd = byte == '\r' || byte == '\n';
        if (!lineEnd)
            m_command.append(byte);
        if (byte == '"')
            ++m_quotes;
        const bool closed = byte == ']' && m_quotes % 2 == 0;
        if (closed || lineEnd) {
            commands.push_back(m_command);
            m_inCommand = false;
        } else if (m_command.size() > kLongestCommand) {
            m_inCommand = false;
        }
    }
    return commands;
}

} // namespace zelsim

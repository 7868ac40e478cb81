#include "link/dump_matcher.h"

#include "model/command_language.h"

namespace zel::link {

bool DumpMatcher::feed(char byte)
{
    const std::string& dumpEnd = model::dumpRequest(); // the answer ends as it was asked
    if (m_complete)
        return true;
    if (byte != dumpEnd[static_cast<size_t>(m_state)]) {
        m_state = 0;
        return false;
    }
    if (m_state + 1 == static_cast<int>(dumpEnd.size())) {
        m_complete = true;
        return true;
    }
    ++m_state;
    return false;
}

void DumpMatcher::reset()
{
    m_state = 0;
    m_complete = false;
}

} // namespace zel::link

#include "link/dump_matcher.h"

#include <string_view>

namespace zel::link {

namespace {
constexpr std::string_view kDumpEnd = "[QXSB]";
}

bool DumpMatcher::feed(char byte)
{
    if (m_complete)
        return true;
    if (byte != kDumpEnd[static_cast<size_t>(m_state)]) {
        m_state = 0;
        return false;
    }
    if (m_state + 1 == static_cast<int>(kDumpEnd.size())) {
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

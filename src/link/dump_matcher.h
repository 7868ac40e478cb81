#pragma once
// Follows received bytes through the six characters of "[QXSB]", the text that ends a unit's
// configuration dump. A byte that breaks the sequence sends it back to the start and is not
// looked at again as a possible "[", so "[" followed by "[QXSB]" does not complete.

namespace zel::link {

class DumpMatcher {
public:
    // Feeds one byte; returns true when it completes the sequence. Once complete, the matcher
    // stays complete until reset.
    bool feed(char byte);
    bool isComplete() const { return m_complete; }
    int state() const { return m_state; }
    void reset();

private:
    int m_state = 0; // number of characters of "[QXSB]" matched so far, 0 to 5
    bool m_complete = false;
};

} // namespace zel::link

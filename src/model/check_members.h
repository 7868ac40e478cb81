#pragma once
// Which line set each member of the configuration, so that the check can tell a line that sets
// a member again from an earlier one: the same value repeats it, another value conflicts.

#include <map>
#include <optional>
#include <string>

namespace zel::model {

class CheckMembers {
public:
    // Line `line` sets member `key` ("zone 2 volume") to `value`: what to say of it when an
    // earlier line set that member too. The later line is the one remembered.
    std::optional<std::string> set(int line, const std::string& key, const std::string& value);
    // Line `line` gives zone `zone` source `source` in favorite `favorite`: what to say of it when
    // an earlier line gave that zone a source there. The first source is the one remembered.
    std::optional<std::string> giveSource(int line, int favorite, int zone, int source);

private:
    struct Seen {
        int line;
        std::string value;
    };

    std::map<std::string, Seen> m_members;
    std::map<std::string, Seen> m_favoriteSources;
};

} // namespace zel::model

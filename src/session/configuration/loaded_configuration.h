#pragma once
// What the window knows of the configuration being edited beyond the model itself: whether one
// is loaded at all, whether it came whole from the unit, and the writer's text it had when it
// was last loaded, exported or saved, which tells whether edits would be lost.

#include <string>
#include <vector>

namespace zel::session {

class LoadedConfiguration {
public:
    // The reset: nothing is loaded, nothing can have been edited.
    void clear() { *this = LoadedConfiguration(); }
    // A reader run: `settingLines` lines of what was read stored something; `text` is the
    // writer's text of the model it left.
    void loaded(int settingLines, std::string text)
    {
        m_loaded = true;
        m_settingLines = settingLines;
        m_incompleteReason.clear();
        m_missingParts.clear();
        m_deliveredText = std::move(text);
        m_exportedTo.clear();
    }
    // What a whole configuration sets that the text read did not (whole_configuration.h).
    void setMissingParts(std::vector<std::string> parts) { m_missingParts = std::move(parts); }
    // The import behind the last reader run did not end with the end of the configuration.
    void markIncomplete(std::string reason) { m_incompleteReason = std::move(reason); }
    // `text` is now on the unit named `unit` (an export acknowledged line by line), or in a
    // file when `unit` is empty.
    void delivered(std::string text, std::string unit)
    {
        m_deliveredText = std::move(text);
        if (!unit.empty())
            m_exportedTo = std::move(unit);
    }

    // Something else was sent to `unit`: it holds no export of this configuration now.
    void overwritten(const std::string& unit)
    {
        if (unit == m_exportedTo)
            m_exportedTo.clear();
    }

    bool isLoaded() const { return m_loaded; }
    // Loaded, but nothing that was read stored anything: the blank defaults of the reset.
    bool holdsNothingRead() const { return m_loaded && m_settingLines == 0; }
    bool isIncomplete() const { return !m_incompleteReason.empty(); }
    const std::string& incompleteReason() const { return m_incompleteReason; }
    // What an export would send as blanks or defaults: what the text did not set. Empty when it
    // was a whole configuration.
    const std::vector<std::string>& missingParts() const { return m_missingParts; }
    // Whether an export since the load went to `unit`: only that unit can be said to hold it.
    bool exportedSinceLoadTo(const std::string& unit) const
    {
        return !unit.empty() && unit == m_exportedTo;
    }
    // Whether the unit `unit`, whose read gave the writer's text `unitText`, holds what was
    // exported to it since the load: the mark alone never says so, the read must agree.
    bool unitHoldsExport(const std::string& unit, const std::string& unitText) const
    {
        return exportedSinceLoadTo(unit) && unitText == m_deliveredText;
    }
    // Whether `text`, the writer's text of the model now, holds edits that were neither
    // exported nor saved.
    bool isEdited(const std::string& text) const { return m_loaded && text != m_deliveredText; }

private:
    bool m_loaded = false;
    int m_settingLines = 0;
    std::string m_incompleteReason;
    std::vector<std::string> m_missingParts;
    std::string m_deliveredText;
    std::string m_exportedTo; // the unit exported to last since the load; empty: none
};

} // namespace zel::session

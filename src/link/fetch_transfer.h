#pragma once
// A transfer that brings a configuration text: from the unit over a link, or from a file.

#include "link/transfer.h"

namespace zel::link {

class FetchTransfer : public Transfer {
    Q_OBJECT
public:
    using Transfer::Transfer;

    // Everything brought so far, line breaks as "\n".
    virtual QString receivedText() const = 0;
    // Why a fetch that has text to apply is not whole ("cancelled", "no response in 30
    // seconds", ...); empty when it is.
    virtual QString incompleteReason() const = 0;
};

} // namespace zel::link

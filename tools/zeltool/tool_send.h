#pragma once
// zeltool's side of the one send path: the unit read over its own transfers (the journal keeps
// the read before anything is sent), the findings answered from the flags (--allow-incomplete,
// --other-model, --force), each refusal said on standard error with its exit status, and how
// the send ended. export and site restore send through it.

#include "device_transfers.h"
#include "link_target.h"

#include "session/send/unit_send.h"

#include <string>

namespace zel::tool {

struct Arguments;

class ToolSend : public session::send::UnitPort, public session::send::SendAnswers {
public:
    // Sends the configuration `source` (as messages name it: "'unit.zel'") to `target`, as
    // `arguments` ask, kept in the journal as sent for `cause`; messages begin with `command`
    // ("export").
    ToolSend(const LinkTarget& target, const TransferOptions& options, std::string command,
             std::string source, const Arguments& arguments, journal::Cause cause);

    // Reads the unit, answers the findings and sends what `compose` gives. The exit status so
    // far: 0 when the lines went (see outcome()) or nothing was to be sent.
    int run(session::send::Outgoing outgoing, session::send::UnitSend::Compose compose);
    // The exit status of a send run() let go, said on standard error when it is not 0: the
    // unit already held it, the export stopped (and where), or the link failed.
    int outcome() const;

    session::send::UnitSend::Ending ending() const { return m_send.ending(); }

    void readUnit() override;
    void sendLines(const std::vector<std::string>& lines) override;
    bool goOn(const session::send::Finding& finding) override;

private:
    const LinkTarget& m_target;
    const TransferOptions& m_options;
    const std::string m_command;
    const std::string m_source;
    const Arguments& m_arguments;
    const journal::Cause m_cause;
    session::send::UnitSend m_send;
    int m_exit = 0;
    std::vector<std::string> m_lines;
    ExportResult m_exported;
};

} // namespace zel::tool

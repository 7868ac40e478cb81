#pragma once
// Which way a configuration moves: the three link items of the "File" menu, or none of them.

namespace zel::link {

enum class LinkMode {
    File,
    Serial,
    Telnet,
    None, // no link item checked: the telnet host prompt ended without a host
};

} // namespace zel::link

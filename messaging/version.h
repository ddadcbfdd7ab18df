#pragma once

namespace pictova {

// The protocol version: sent at log-in, compared by the host, and shown in the About box.
inline constexpr const char* kVersion = "2.2.4";

} // namespace pictova

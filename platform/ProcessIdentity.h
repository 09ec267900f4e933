#pragma once

#include <optional>
#include <string>

namespace velmont {

// A process as it was seen: its id and when it started (clock ticks since
// boot), so an id the system has given to a newer process is not taken for
// it.
struct ProcessIdentity {
    int pid = 0;
    unsigned long long startTime = 0;

    // "pid:startTime"
    std::string ToText() const;
    static std::optional<ProcessIdentity> FromText(const std::string& text);
    bool operator==(const ProcessIdentity&) const = default;
};

// The environment variable through which the converter marks the encoders it
// starts with its own identity: an encoder exits when its owner has gone, and
// only an encoder whose owner has gone counts as lost.
inline constexpr const char* kEncoderOwnerVariable = "VELMONT_ENCODER_OWNER";

// The process with this id now; startTime 0 when there is none.
ProcessIdentity IdentityOf(int pid);
ProcessIdentity OwnIdentity();
// Still running (not a zombie) and the same process as when it was seen.
bool IsAlive(const ProcessIdentity& process);
// The value of one variable in another process's environment; empty when it
// has none or the environment cannot be read.
std::string EnvironmentValueOf(int pid, const std::string& name);

} // namespace velmont

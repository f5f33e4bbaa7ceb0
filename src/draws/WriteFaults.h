#pragma once

// Fault injection for the tests of the file writers. Every writer that replaces a file counts its
// steps (lock taken, temporary file opened, each block written, before and after the rename) here.
// The environment variable NUMERANT_TEST_WRITE_FAULT="<n>:kill" ends the process with SIGKILL at
// step n; "<n>:fail" makes step n fail as a full disk would. Without the variable every step passes.
namespace WriteFaults {

inline constexpr const char* Variable = "NUMERANT_TEST_WRITE_FAULT";

// Counts one step; true when it is to fail. Does not return when the step is to kill.
bool stepFails();

// The text of the injected error, as the system words a full disk.
const char* failureText();

} // namespace WriteFaults

// Internal: the library's own resource tables, handed to the platform while the library is
// loaded. The library's start registers them before its entry point runs.
#pragma once

namespace vks::res {

// The string table (LoadString on this module).
void registerStrings();
void unregisterStrings();

// Message table 1 in every language it has (FormatMessage from this module).
void registerMessageTables();
void unregisterMessageTables();

}  // namespace vks::res

// Internal: the host's dynamic loader, without POSIX types. A shared object is named by its base
// address, the address where its first mapping starts.
#pragma once

#include <string>
#include <vector>

namespace vks::detail::posix {

struct LoadedObject {
    const void *base;
    std::string path;  // the host path it was loaded from
};

// Loads (or counts one more use of) the shared object at `hostPath`; null on failure.
void *openLibrary(const std::string &hostPath);

// A new reference to an object that is already loaded; null if it is not.
void *openLoadedLibrary(const std::string &hostPath);

// A reference to the running program.
void *openProgram();

void closeLibrary(void *handle);

// The address of `name` defined in the object `handle` or one it depends on; null if none.
void *findSymbol(void *handle, const char *name);

// The base address of the object behind `handle`.
const void *baseOf(void *handle);

// The object whose mappings contain `address`: false when none does.
bool objectContaining(const void *address, LoadedObject &object);

// Every object loaded in the process, the program first.
std::vector<LoadedObject> loadedObjects();

}  // namespace vks::detail::posix

// The library's own version, as built.
#pragma once

// "major.minor.patch" of the library that is loaded.
const char *utLibraryVersion();

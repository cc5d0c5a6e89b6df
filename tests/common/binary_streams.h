// The drivers' standard streams carry bytes as they are on every platform: on Windows the C
// runtime would add CR before LF and end the input at a Ctrl-Z, and the checks compare bytes.
#pragma once

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

inline void UseBinaryStandardStreams() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
}

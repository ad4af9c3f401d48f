#ifndef CLI_USAGE_H_
#define CLI_USAGE_H_

// The texts of --help and --version. No display is needed for either.

#include <cstdio>

// The usage screen: the windows, keys, reports, options and exit statuses.
void printUsage(std::FILE* out);

// "viewer X.Y.Z", the version of the CMake project, and a newline.
void printVersion(std::FILE* out);

#endif  // CLI_USAGE_H_

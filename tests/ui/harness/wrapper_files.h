// Files that tests/ui/run-test-program.sh makes for the test program and names in its
// environment by their Unix paths: KALVENA_STDERR_FILE (the program's stderr, with Wine's traces)
// and KALVENA_OPENED_ADDRESSES (the web addresses opened, see record-opened-address.sh).
#pragma once

#include <string>

// The file as Wine's drive Z: shows it, or empty when the variable is not set.
std::wstring wrapperFile(const wchar_t* variable);

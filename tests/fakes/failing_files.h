#pragma once

// Each system's own stand-in.
#ifdef _WIN32
#include "tests/fakes/windows/failing_files.h"
#else
#include "tests/fakes/unix/failing_files.h"
#endif

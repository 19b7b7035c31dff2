#pragma once

// Each system's own stand-in.
#ifdef _WIN32
#include "tests/fakes/windows/pseudo_terminal.h"
#else
#include "tests/fakes/unix/pseudo_terminal.h"
#endif

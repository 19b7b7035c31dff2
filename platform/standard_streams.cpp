#include "standard_streams.h"

#include <QtGlobal>
#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

void SetBinaryStandardOutput() {
#ifdef Q_OS_WIN
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

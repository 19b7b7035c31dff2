#pragma once

/// The exit status of every mode of the program, one meaning each.
enum ExitStatus {
    kExitDone = 0,
    kExitBadFile = 1,     ///< a data or points file was refused, or no map was sent yet: nothing
                          ///< was sent or written
    kExitUsage = 2,       ///< the command line was refused: nothing was done
    kExitNotWritten = 3,  ///< the stream, the picture, the report or the map file could not be
                          ///< written
    kExitPortError = 4    ///< the port could not be opened or the transfer broke off
};

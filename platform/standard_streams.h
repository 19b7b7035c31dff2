#pragma once

/// Puts standard output into binary mode, so that bytes written there reach the file or pipe
/// unchanged; Windows would otherwise write every LF as CR LF.
void SetBinaryStandardOutput();

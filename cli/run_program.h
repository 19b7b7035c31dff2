#pragma once

/// Reads the command line and runs the mode it asks for, in the application that mode needs;
/// gives the exit status.
int RunProgram(int argc, char** argv);

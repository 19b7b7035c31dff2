// SOLVA-TX: editor and loader of the voltage map of the BOX.
#include <QCoreApplication>

#include "cli/run_program.h"
#include "platform/process_setup.h"

int main(int argc, char** argv) {
    UseParentConsole();
    QCoreApplication::setApplicationName("solva-tx");
    QCoreApplication::setApplicationVersion(SOLVA_VERSION);
    return RunProgram(argc, argv);
}

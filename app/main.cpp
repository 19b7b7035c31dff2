// SOLVA-TX: editor and loader of the voltage map of the BOX.
#include <QCoreApplication>

#include "process_setup.h"
#include "run_program.h"

int main(int argc, char** argv) {
    UseParentConsole();
    QCoreApplication::setApplicationName("solva-tx");
    QCoreApplication::setApplicationVersion(SOLVA_VERSION);
    return RunProgram(argc, argv);
}

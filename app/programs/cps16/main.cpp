#include "program/program_main.h"
#include "app/qt/compose_program.h"

int main(int argc, char** argv)
{
    tolvan::composeProgram();
    return tolvan::runProgram(*tolvan::findEdition("cps16"), argc, argv);
}

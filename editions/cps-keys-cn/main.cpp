#include "app/program_main.h"

int main(int argc, char** argv)
{
    return tolvan::runProgram(*tolvan::findEdition("cps-keys-cn"), argc, argv);
}

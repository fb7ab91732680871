#include "app/qt/program_window.h"

int main(int argc, char** argv)
{
    return tolvan::runWindowProgram(*tolvan::findEdition("cps-cn10"), argc, argv);
}

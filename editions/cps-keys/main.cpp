#include "app/program_main.h"
#include "app/qt/qt_layer.h"

int main(int argc, char** argv)
{
    tolvan::installQtLayer();
    return tolvan::runProgram(*tolvan::findEdition("cps-keys"), argc, argv);
}

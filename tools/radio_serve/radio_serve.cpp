// Serves one program's virtual radio behind a pseudo-terminal for a program in
// another process: a Windows program under Wine reaches it through a COM port
// that Wine maps to the terminal (scripts/wine-com-transfer.sh). Prints the
// terminal's path, serves until its input ends, then saves what the radio
// holds to OUT.sin.
//
//   radio_serve PROGRAM OUT.sin

#include "codeplug/sin_file.h"
#include "editions/edition.h"
#include "sim/pty_radio.h"
#include "sim/sample_codeplug.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    using namespace tolvan;
    const Edition* edition = argc == 3 ? findEdition(argv[1]) : nullptr;
    if (!edition) {
        std::cerr << "usage: radio_serve PROGRAM OUT.sin\n";
        return 1;
    }
    PtyRadio radio(std::make_unique<VirtualRadio>(sampleCodeplug(*edition)), true);
    std::cout << radio.devicePath() << std::endl;
    for (std::string line; std::getline(std::cin, line);) {
    }
    const MemoryImage held = radio.withRadio([](VirtualRadio& r) { return r.memory(); });
    return saveSin(argv[2], held) == SinStatus::Ok ? 0 : 2;
}

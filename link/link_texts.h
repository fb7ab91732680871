#pragma once

#include "editions/language.h"

#include <string>

namespace tolvan {

// The words of a read-back after a write.
struct VerifyTexts {
    std::string written;  // a completed write without verify
    std::string title;    // the progress title of the read-back
    std::string verified;
    std::string mismatch;
    std::string notReadBack;
    std::string channels;
    std::string settings;
    std::string otherBytes;
    std::string separator;
};

// Why a serial port did not open; %1 is the device.
struct PortTexts {
    std::string inUse;
    std::string noDevice;
    std::string notSerial;
    std::string systemError;  // %2: the system's own words (POSIX)
    std::string systemCode;   // %2: the system's error number (Windows)
    std::string denied;
    std::string joinGroup;    // %1: the group, %2: the command that adds the user to it
    std::string ownerOnly;
};

const VerifyTexts& verifyTexts(Language language);
const PortTexts& portTexts(Language language);

} // namespace tolvan

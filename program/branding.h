#pragma once

#include <string>

namespace tolvan {

class IniLookup;

// The window texts a branded program takes from its ini files instead of its
// own: a dealer puts their names there. A missing key (or file) gives an
// empty text; nothing else is read from the file.
struct Branding {
    std::string title;         // [MAIN] TITLE: the main window's caption, without a document name
    std::string aboutCaption;  // [ABOUT] TITLE
    std::string company;       // [ABOUT] COMPANY: the program name line
    std::string version;       // [ABOUT] VERSION: the year and version line
    std::string company1;      // [ABOUT] COMPANY1: the company line

    bool operator==(const Branding&) const = default;
};

Branding readBranding(const IniLookup& ini);

} // namespace tolvan

#pragma once

#include "program/ini_file.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

// The folders a program's ini file "<program>.ini" is read from, in order; a
// key found in a later one wins. Beside the program serves a build tree or a
// copied program; the system folder is the administrator's (the package ships
// examples there); the user's folder is the only one the program writes.
struct IniLocations {
    std::filesystem::path besideProgram;
    std::filesystem::path system;
    std::filesystem::path user;  // empty: no user folder (no home)
};

// The three folders for a program in `programDirectory`: the platform's
// system folder and <config>/tolvan of its userConfigHome() (program/platform.h).
IniLocations iniLocations(const std::filesystem::path& programDirectory);

// A program's ini settings read from every location that has the file.
class IniLayers : public IniLookup {
public:
    // Reads "<baseName>.ini" from each folder of `at`. With `createUserFile`, a
    // missing file in the user's folder is created empty (and the folder with
    // it) for the user to fill in; one that cannot be created is no error.
    void load(const IniLocations& at, std::string_view baseName, bool createUserFile);

    // The value of the last file that has the key; the defaults as CIniFile's
    // (unchanged when no file has the section, else without surrounding blanks).
    std::string getValue(std::string_view section, std::string_view key, std::string_view defaultValue) const override;

    // The files read, in order.
    std::vector<std::filesystem::path> files() const;
    // Where the user's file is (whether or not it exists).
    const std::filesystem::path& userFile() const { return userFile_; }

private:
    std::vector<CIniFile> layers_;
    std::filesystem::path userFile_;
};

} // namespace tolvan

#pragma once

#include <QSettings>

#include <string>

namespace tolvan {

// The window's settings of one program (recent files, Verify After Writing):
// <config>/tolvan/<program>.conf. Opening them first carries over what the
// previous location held, if that is all there is.
class ProgramSettings : public QSettings {
public:
    explicit ProgramSettings(const std::string& baseName);
};

} // namespace tolvan

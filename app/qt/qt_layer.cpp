#include "app/qt/qt_layer.h"

#include "app/qt/program_window.h"
#include "report/report_commands.h"

namespace tolvan {

void installQtLayer()
{
    static const bool installed = [] {
        registerReportCommands();
        installProgramWindow();
        return true;
    }();
    (void)installed;
}

} // namespace tolvan

#include "app/qt/qt_layer.h"

#include "report/report_commands.h"

namespace tolvan {

void installQtLayer()
{
    static const bool installed = [] {
        registerReportCommands();
        return true;
    }();
    (void)installed;
}

} // namespace tolvan

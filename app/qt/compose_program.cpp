#include "app/qt/compose_program.h"

#include "app/qt/program_window.h"
#include "editor/saved_image.h"
#include "editor/table_csv.h"
#include "editor/table_csv_import.h"
#include "link/link_commands.h"
#include "link/port_names.h"
#include "report/image_diff.h"
#include "report/report_commands.h"
#include "sim/shared_radio.h"

namespace tolvan {

void composeProgram()
{
    static const bool composed = [] {
        registerNewDocumentAsSaved();
        registerReportCommands();
        registerTableExport();
        registerTableImport();
        registerImageDiff();
        registerLinkCommands();
        registerNamedPort({"virtual", "the built-in virtual radio (virtual:DIGITS: holding that data password)",
                           openSharedVirtualRadio});
        installProgramWindow();
        return true;
    }();
    (void)composed;
}

} // namespace tolvan

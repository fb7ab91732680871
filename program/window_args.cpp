#include "program/window_args.h"

#include "program/command_args.h"

namespace tolvan {

WindowArgs parseWindowArgs(const std::vector<std::string>& args)
{
    const CommandArgs parsed = parseCommandArgs(args, 0, 1, {{"--port", "PORT"}, {"--screenshot", "OUT.png"}});
    WindowArgs a;
    a.ok = parsed.ok();
    a.error = parsed.error;
    if (parsed.has("--port"))
        a.port = parsed.value("--port");
    a.screenshot = parsed.value("--screenshot");
    if (!parsed.names.empty())
        a.file = parsed.names[0];
    return a;
}

} // namespace tolvan

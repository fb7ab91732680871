#include "program/window_args.h"

namespace tolvan {

WindowArgs parseWindowArgs(const std::vector<std::string>& args)
{
    WindowArgs a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--port" && hasValue)
            a.port = args[++i];
        else if (arg == "--screenshot" && hasValue)
            a.screenshot = args[++i];
        else if (arg.rfind("--", 0) == 0 || !a.file.empty())
            a.ok = false;
        else
            a.file = arg;
    }
    return a;
}

} // namespace tolvan

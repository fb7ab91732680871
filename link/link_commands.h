#pragma once

namespace tolvan {

// Adds --read, --write and --list-ports to the command line.
void registerLinkCommands();

} // namespace tolvan

#include "link/port_permission.h"

namespace tolvan {

// Windows has no device groups to join: a COM port that a user may not open is
// one another program holds, which the open itself says.
std::string accessProblem(const std::string&, Language)
{
    return {};
}

} // namespace tolvan

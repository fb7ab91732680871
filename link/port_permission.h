#pragma once

#include "editions/edition.h"

#include <string>
#include <sys/stat.h>

namespace tolvan {

// What a user can do when the system refuses a serial device, from the
// device's stat result: join the group that may open it (the command to run,
// then log in again), or, when only its owner may, the cable rule or the
// administrator. Without a stat result it only says that access was denied.
std::string permissionHint(const std::string& device, const struct stat* st, Language language);

// The user's login name, or the user number when the system has no name for it.
std::string loginName();

// The name of a group, or its number when the system has no name for it.
std::string groupName(unsigned gid);

// Empty when the user may open `device` for reading and writing; otherwise
// the permission hint (the device exists but is refused).
std::string accessProblem(const std::string& device, Language language);

} // namespace tolvan

#pragma once

#include <string>
#include <string_view>

namespace talvoren {

// The editor's draft folder of the user whose desktop folder is given (empty when the system
// could not say): always on drive C:, with a trailing backslash. The user name is what stands
// between the first "\Users\" (case-sensitive) and the next backslash.
std::string defaultDraftFolder(std::string_view desktopPath);

}  // namespace talvoren

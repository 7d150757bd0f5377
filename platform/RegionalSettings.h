#pragma once

#include <string>

namespace feniko::platform {

// The decimal separator of the user's regional settings: POSIX reads the
// LC_NUMERIC locale that the environment selects (without changing the
// process's locale), Windows GetLocaleInfoA. Returns the raw setting (UTF-8);
// an unreadable setting gives ".".
std::string ReadRegionalDecimalSeparator();

// Reads the setting and puts it in force for every later reading and writing
// of numbers ("." unless it is exactly one character). Called at start-up and
// again whenever the system announces a settings change.
void RefreshDecimalSeparator();

}  // namespace feniko::platform

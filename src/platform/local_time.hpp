#pragma once

#include <ctime>
#include <string>

namespace quimbo::platform {

// The given moment as the user's regional short date, one blank and the long time (UTF-8).
std::string regionalDateTime(std::time_t moment);

// The same for the current moment.
std::string regionalDateTimeNow();

}  // namespace quimbo::platform

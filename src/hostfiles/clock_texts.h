// The present time as the planner's file names and log entries write it.
#pragma once

#include <string>

#include "platform/system.h"

namespace hostfiles {

// hhnnss, 24-hour clock: 14:05:09 gives 140509.
std::string timeStamp(const platform::DateTime& time);
// dd.mm.yy hh:nn:ss
std::string logTimeStamp(const platform::DateTime& time);

}  // namespace hostfiles

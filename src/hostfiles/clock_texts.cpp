#include "hostfiles/clock_texts.h"

#include "startup/formatting.h"

namespace hostfiles {

using startup::twoDigits;

std::string timeStamp(const platform::DateTime& time) {
  return twoDigits(time.hour) + twoDigits(time.minute) + twoDigits(time.second);
}

std::string logTimeStamp(const platform::DateTime& time) {
  return twoDigits(time.day) + "." + twoDigits(time.month) + "." + twoDigits(time.year % 100) +
         " " + twoDigits(time.hour) + ":" + twoDigits(time.minute) + ":" + twoDigits(time.second);
}

}  // namespace hostfiles

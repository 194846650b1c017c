#include "hostfiles/clock_texts.h"

namespace hostfiles {

namespace {

std::string twoDigits(int value) {
  return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

}  // namespace

std::string timeStamp(const platform::DateTime& time) {
  return twoDigits(time.hour) + twoDigits(time.minute) + twoDigits(time.second);
}

std::string logTimeStamp(const platform::DateTime& time) {
  return twoDigits(time.day) + "." + twoDigits(time.month) + "." + twoDigits(time.year % 100) +
         " " + twoDigits(time.hour) + ":" + twoDigits(time.minute) + ":" + twoDigits(time.second);
}

}  // namespace hostfiles

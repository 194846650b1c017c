// User ids compared as the planner compares them: without regard to case, in
// the code page's own case mapping (Ä as ä). Byte by byte, without making a
// lower-cased copy: a preview compares tens of thousands of them.
#pragma once

#include <cstdint>
#include <string_view>

namespace hostfiles {

// Equal for ids that differ only in case.
std::uint32_t userIdHash(std::string_view userId);
bool sameUserId(std::string_view a, std::string_view b);

}  // namespace hostfiles

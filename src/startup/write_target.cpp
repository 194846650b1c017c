#include "startup/write_target.h"

namespace startup {

std::optional<TargetRefusal> writeTargetRefusal(
    platform::System& system, const std::string& target, const ProtectedPlaces& places,
    const std::function<bool(const std::string& path)>& ofItsKind) {
  const auto within = [&](const std::string& place) {
    return !place.empty() && system.isWithin(target, place);
  };
  if (within(places.fileBeingRead)) return TargetRefusal::kFileBeingRead;
  if (within(places.dataFolder)) return TargetRefusal::kInDataFolder;
  if (within(places.logFolder)) return TargetRefusal::kInLogFolder;
  if (system.pathKind(target) != platform::PathKind::kMissing && !ofItsKind(target)) {
    return TargetRefusal::kNotOfItsKind;
  }
  return std::nullopt;
}

}  // namespace startup

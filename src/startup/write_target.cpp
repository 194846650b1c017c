#include "startup/write_target.h"

#include "startup/messages.h"
#include "startup/startup_texts.h"

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

std::optional<std::string> writeTargetRefused(
    const Context& context, const std::string& target, const ProtectedPlaces& places,
    const std::function<bool(const std::string& path)>& ofItsKind) {
  const auto refusal = writeTargetRefusal(*context.system, target, places, ofItsKind);
  if (!refusal) return std::nullopt;
  return texts::targetRefused(context.language, *refusal, Name_zitieren(context, target));
}

std::optional<std::string> fileStart(platform::System& system, const std::string& path,
                                     std::size_t size) {
  const auto file = system.openRead(path);
  if (!file) return std::nullopt;
  std::string start(size, '\0');
  std::size_t filled = 0;
  while (filled < start.size()) {
    const auto read = file->read(start.data() + filled, start.size() - filled);
    if (!read) return std::nullopt;
    if (*read == 0) break;
    filled += *read;
  }
  start.resize(filled);
  return start;
}

}  // namespace startup

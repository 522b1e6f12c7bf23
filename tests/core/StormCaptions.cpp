// Every caption the panel may show: the title alone and each status literal the panel writes.
#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "Captions.h"

namespace yunuri::test {
namespace {

// The title and 104 messages; muting and reaching the bottom of the volume share one text.
constexpr std::size_t kLegalCount = 105;

// Gathers the families one after another; a family too many stops the build at at().
struct Gathered {
  std::array<std::string_view, kLegalCount> all{};
  std::size_t count = 0;
  constexpr void add(std::span<const std::string_view> family) {
    for (const std::string_view c : family) all.at(count++) = c;
  }
};

constexpr Gathered gather() {
  Gathered g;
  g.add(std::array{captions::kTitle});
  g.add(captions::kMonitor);
  for (const auto& screen : captions::kSend) g.add(screen);
  g.add(captions::kProjectorNotOn);
  for (const captions::ProjectorCaptions& p : captions::kProjector) {
    g.add(std::array{p.warming, p.cooling, p.started, p.stopped});
  }
  g.add(std::array{captions::kLouder, captions::kSofter, captions::kMutedNote, captions::kSilent,
                   captions::kUnmuted, captions::kLoudest});
  g.add(captions::kCdMd);
  g.add(captions::kDvdVtrRemote);
  g.add(captions::kVtrRemote);
  g.add(captions::kDvdRemote);
  g.add(captions::kDomeCameraRemote);
  return g;
}

constexpr bool allDistinct(std::array<std::string_view, kLegalCount> all) {
  std::ranges::sort(all);
  return std::ranges::adjacent_find(all) == all.end();
}

constexpr Gathered kGathered = gather();
static_assert(kGathered.count == kLegalCount, "a family is missing");
static_assert(allDistinct(kGathered.all), "a caption stands in two families");

}  // namespace

std::span<const std::string_view> LegalCaptions() {
  return kGathered.all;
}

}  // namespace yunuri::test

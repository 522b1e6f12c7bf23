#include "shell/ProjectorRoom.h"

#include <string_view>

namespace yunuri {
namespace {

// How the log names each side's projector.
constexpr std::array<std::string_view, kProjectors.size()> kLogNames = {"left projector", "right projector"};

}  // namespace

ProjectorRoom::ProjectorRoom(Form1& form, const std::optional<room::Room>& room) : form_(form) {
  if (!room) return;
  for (std::size_t side = 0; side < sides_.size(); ++side) {
    const std::optional<room::ProjectorLink>& link = room->projectors.at(side);
    if (!link) continue;
    Attached& a = sides_.at(side);
    a.socket = std::make_unique<TcpProjectorSocket>(std::string(kLogNames.at(side)), link->host, link->port);
    a.projector = std::make_unique<RealProjector>(*link, *a.socket);
    a.socket->deliverTo(EventsOf(*a.projector));
    form_.Attach(side, a.projector.get());
  }
}

ProjectorRoom::~ProjectorRoom() {
  for (std::size_t side = 0; side < sides_.size(); ++side) {
    if (sides_.at(side).projector) form_.Attach(side, nullptr);
  }
}

}  // namespace yunuri

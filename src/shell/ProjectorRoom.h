#pragma once

#include <array>
#include <memory>
#include <optional>

#include "devices/RealProjector.h"
#include "devices/RoomFile.h"
#include "shell/ProjectorSocket.h"
#include "window/Form1.h"

namespace yunuri {

// The real projectors of a room file, each with its connection, attached to the panel for as long as this
// lives. Without a room nothing is made: no socket, no thread, the panel simulates the room as ever.
class ProjectorRoom {
 public:
  ProjectorRoom(Form1& form, const std::optional<room::Room>& room);
  ~ProjectorRoom();
  ProjectorRoom(const ProjectorRoom&) = delete;
  ProjectorRoom& operator=(const ProjectorRoom&) = delete;

 private:
  // The projector goes before its socket: it may close the socket as it goes.
  struct Attached {
    std::unique_ptr<TcpProjectorSocket> socket;
    std::unique_ptr<RealProjector> projector;
  };
  Form1& form_;
  std::array<Attached, kProjectors.size()> sides_;
};

}  // namespace yunuri

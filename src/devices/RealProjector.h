#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "devices/RoomFile.h"
#include "window/Form1.h"
#include "window/ProjectorDrive.h"

namespace yunuri {

// Why a connection to a projector ended or was never made.
enum class LinkLoss : std::uint8_t {
  Refused,      // nothing listens at the address
  Unreachable,  // no route, or the host name is unknown
  Closed,       // the projector closed the connection
  Failed,       // any other error of the socket
};

// The platform's side of one projector of the room file: a TCP connection to its address. Everything the
// projector says is handed back to its RealProjector on the panel's thread.
class ProjectorSocket {
 public:
  ProjectorSocket() = default;
  virtual ~ProjectorSocket() = default;
  ProjectorSocket(const ProjectorSocket&) = delete;
  ProjectorSocket& operator=(const ProjectorSocket&) = delete;

  // Begins to connect; the outcome comes later through RealProjector::Connected or Lost, never from within
  // this call. Never blocks, name resolution included.
  virtual void Connect() = 0;
  // Writes on the open connection; what the socket does not take at once is kept and written later.
  virtual void Write(std::string_view bytes) = 0;
  // Closes the connection or gives up connecting. No Lost follows.
  virtual void Close() = 0;
  // One line for the program's log. Never holds the password.
  virtual void Log(std::string_view line) = 0;
};

// A projector of the room file, driven over PJLink. It asks and commands through its socket and changes the
// panel only in Step, on the tick.
class RealProjector final : public ProjectorDrive {
 public:
  RealProjector(room::ProjectorLink link, ProjectorSocket& socket);
  ~RealProjector() override;

  void Power(Form1& f, std::size_t side, bool on) override;
  void Send(Form1& f, std::size_t side, std::size_t source) override;
  void Step(Form1& f, std::size_t side) override;

  // From the platform, on the panel's thread.
  void Connected();
  void Received(std::string_view bytes);
  void Lost(LinkLoss why);

 private:
  room::ProjectorLink link_;
  ProjectorSocket& socket_;
};

}  // namespace yunuri

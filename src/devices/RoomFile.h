#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "pjlink/Protocol.h"
#include "state/Projector.h"
#include "window/Picture.h"

// The room file: which real projectors the panel drives, where they are on the network and which of their
// inputs each source is wired to. Read once at launch, before anything is shown, so that a mistake in it ends
// the launch with one line an installer can act on.
namespace yunuri::room {

inline constexpr std::uint16_t kDefaultPort = pjlink::kPort;  // where an address names no port
inline constexpr std::size_t kMaxPassword = pjlink::kLongestPassword;

// The sections, by projector: [left-projector] drives kProjectors[0], [right-projector] kProjectors[1].
inline constexpr std::array<std::string_view, kProjectors.size()> kSections = {"left-projector",
                                                                               "right-projector"};

// One projector the file attaches.
struct ProjectorLink {
  std::string host;  // an IPv4 address, a host name or an IPv6 address without its brackets
  std::uint16_t port = kDefaultPort;
  // Empty when the projector asks for none. Kept out of every message: hand it to the protocol only.
  std::string password;
  // The projector's input code for each source (by its index in kSources), empty where the source is not
  // wired to this projector. Video off never has one.
  std::array<std::string, kSourceCount> inputs;
};

// An address as the file writes it: HOST:PORT, an IPv6 host between brackets.
std::string AddressText(std::string_view host, std::uint16_t port);

// A projector the file leaves out stays simulated.
struct Room {
  std::array<std::optional<ProjectorLink>, kProjectors.size()> projectors;
};

// A room, or the one line that says why there is none ("yunuri: FILE:LINE: what is wrong", without a full
// stop or a line end), ready to print as it is.
struct RoomRead {
  std::optional<Room> room;
  std::string error;
};

// Whether a file of this mode lets anyone but its owner read or change it: refused for a file that holds a
// password, as a private key is.
constexpr bool OthersMayRead(std::uint32_t mode) {
  return (mode & 077U) != 0;
}

// Reads a room file's text. `fileName` is only for the messages; `mode` is the file's permission bits,
// checked when the file holds a password.
RoomRead ParseRoom(std::string_view fileName, std::string_view text, std::uint32_t mode);

// Reads the file at `path` with its mode, then parses it as above.
RoomRead ReadRoomFile(const std::string& path);

}  // namespace yunuri::room

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The digest a projector asks for when it holds a password. Written here rather than taken from a crypto
// library: the panel needs exactly this one hash, for a challenge that is not secret, and nothing more.
namespace yunuri::pjlink {

using Md5Digest = std::array<std::uint8_t, 16>;

Md5Digest Md5(std::string_view bytes);
// The digest as 32 lowercase hexadecimal digits, the way the protocol writes it.
std::string Md5Hex(std::string_view bytes);

}  // namespace yunuri::pjlink

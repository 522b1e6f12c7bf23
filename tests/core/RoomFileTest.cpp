#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "devices/RoomFile.h"

namespace yunuri::room {
namespace {

constexpr std::uint32_t kPrivate = 0100600;
constexpr std::uint32_t kShared = 0100644;

// Source indices in kSources, written out here so that a table reordered under the keys shows.
constexpr int kDesktopPc = 1;
constexpr int kDocumentCamera = 4;
constexpr int kMultiVtr = 7;
constexpr int kVideo = 11;

constexpr std::string_view kExample =
    "[left-projector]\n"
    "address = 192.0.2.10          ; HOST or HOST:PORT, the port 4352 when left out\n"
    "password = secret             ; optional: the projector's authentication\n"
    "input.desktop-pc = 31         ; the projector's input for each source that is wired to it\n"
    "input.document-camera = 11\n"
    "\n"
    "[right-projector]\n"
    "address = 192.0.2.11:4352\n"
    "input.desktop-pc = 31\n";

TEST(RoomFile, ReadsWhatItSays) {
  const RoomRead read = ParseRoom("room.ini", kExample, kPrivate);
  ASSERT_TRUE(read.room) << read.error;
  const auto& left = read.room->projectors[0];
  const auto& right = read.room->projectors[1];
  ASSERT_TRUE(left && right);
  EXPECT_EQ(left->host, "192.0.2.10");
  EXPECT_EQ(left->port, 4352);
  EXPECT_EQ(left->password, "secret");
  EXPECT_EQ(left->inputs[kDesktopPc], "31");
  EXPECT_EQ(left->inputs[kDocumentCamera], "11");
  EXPECT_EQ(std::count_if(left->inputs.begin(), left->inputs.end(), [](auto& s) { return !s.empty(); }), 2);
  EXPECT_EQ(right->host, "192.0.2.11");
  EXPECT_EQ(right->password, "");
  EXPECT_EQ(right->inputs[kDesktopPc], "31");
  EXPECT_EQ(right->inputs[kDocumentCamera], "");

  // One section, other address forms, the other comment, Windows line ends and class 2 inputs.
  const RoomRead other =
      ParseRoom("room.ini",
                "# the right one only\r\n[right-projector]\r\naddress=[2001:db8::7]:10000\r\n"
                "input.multi-vtr=6Z\r\ninput.video  =  59\r\n",
                kShared);
  ASSERT_TRUE(other.room) << other.error;
  EXPECT_FALSE(other.room->projectors[0]);
  EXPECT_EQ(other.room->projectors[1]->host, "2001:db8::7");
  EXPECT_EQ(other.room->projectors[1]->port, 10000);
  // Written back as the file wrote it, for the log and --check-room.
  EXPECT_EQ(AddressText(other.room->projectors[1]->host, 10000), "[2001:db8::7]:10000");
  EXPECT_EQ(AddressText("192.0.2.10", kDefaultPort), "192.0.2.10:4352");
  EXPECT_EQ(other.room->projectors[1]->inputs[kMultiVtr], "6Z");
  EXPECT_EQ(other.room->projectors[1]->inputs[kVideo], "59");

  const RoomRead named =
      ParseRoom("room.ini", "[left-projector]\naddress = pj-left.room28.example\n", kShared);
  ASSERT_TRUE(named.room) << named.error;
  EXPECT_EQ(named.room->projectors[0]->host, "pj-left.room28.example");
  EXPECT_EQ(named.room->projectors[0]->port, kDefaultPort);

  const RoomRead empty = ParseRoom("room.ini", "; nothing attached\n", kShared);
  ASSERT_TRUE(empty.room) << empty.error;
  EXPECT_FALSE(empty.room->projectors[0] || empty.room->projectors[1]);
}

TEST(RoomFile, EachMistakeNamesItsLine) {
  const std::string head = "[left-projector]\naddress = 192.0.2.10\n";
  const struct {
    std::string text;
    std::string error;
  } cases[] = {
      {head + "inputs.dvd = 31\n", "yunuri: r.ini:3: unknown key 'inputs.dvd' in [left-projector]"},
      {head + "input.video-off = 31\n", "yunuri: r.ini:3: unknown key 'input.video-off' in [left-projector]"},
      {head + "\n[centre-projector]\n", "yunuri: r.ini:4: unknown section [centre-projector]"},
      {head + "address = 192.0.2.12\n",
       "yunuri: r.ini:3: duplicate key 'address' in [left-projector] (first on line 2)"},
      {head + "[left-projector]\n", "yunuri: r.ini:3: a second [left-projector] section (first on line 1)"},
      {"address = 192.0.2.10\n", "yunuri: r.ini:1: key 'address' before any section"},
      {head + "input.dvd\n", "yunuri: r.ini:3: expected '[section]' or 'key = value'"},
      {head + "Address = pj\n", "yunuri: r.ini:3: expected 'key = value' with a key of lower case"},
      {"[left-projector]\naddress = 192.0.2.256\n",
       "yunuri: r.ini:2: address '192.0.2.256' in [left-projector] is neither"},
      {"[left-projector]\naddress = -pj\n", "yunuri: r.ini:2: address '-pj' in [left-projector] is neither"},
      {"[left-projector]\naddress =\n", "yunuri: r.ini:2: address '' in [left-projector] is neither"},
      {"[left-projector]\naddress = pj:0\n",
       "yunuri: r.ini:2: address 'pj:0' in [left-projector] has a port"},
      {"[left-projector]\naddress = pj:65536\n",
       "yunuri: r.ini:2: address 'pj:65536' in [left-projector] has a port"},
      {"[left-projector]\naddress = 2001:db8::7\n",
       "yunuri: r.ini:2: address '2001:db8::7' in [left-projector] is an IPv6"},
      {"[left-projector]\naddress = [pj]:1\n",
       "yunuri: r.ini:2: address '[pj]:1' in [left-projector] has no IPv6"},
      {head + "input.dvd = 71\n",
       "yunuri: r.ini:3: input code '71' for 'input.dvd' in [left-projector] is not"},
      {head + "input.dvd = 10\n",
       "yunuri: r.ini:3: input code '10' for 'input.dvd' in [left-projector] is not"},
      {head + "input.dvd = 3a\n",
       "yunuri: r.ini:3: input code '3a' for 'input.dvd' in [left-projector] is not"},
      {head + "input.dvd = 311\n",
       "yunuri: r.ini:3: input code '311' for 'input.dvd' in [left-projector] is not"},
      {"; the left one\n[left-projector]\ninput.dvd = 31\n[right-projector]\naddress = pj\n",
       "yunuri: r.ini:2: [left-projector] has no address"},
      {head + "[right-projector]\n", "yunuri: r.ini:3: [right-projector] has no address"},
  };
  for (const auto& c : cases) {
    const RoomRead read = ParseRoom("r.ini", c.text, kPrivate);
    EXPECT_FALSE(read.room) << c.text;
    EXPECT_EQ(read.error.substr(0, c.error.size()), c.error) << c.text;
    EXPECT_EQ(read.error.find_first_of("\r\n"), std::string::npos) << read.error;
    EXPECT_FALSE(read.error.ends_with('.')) << read.error;
  }
}

// The password is refused in a file others may read, is checked without ever being repeated, and a file that
// cannot be read says so by its name.
TEST(RoomFile, GuardsThePassword) {
  const std::string password = "Hunter2#=Hunter2";  // `#` and `=` inside a value are the value's
  const std::string head = "[left-projector]\naddress = 192.0.2.10\n";
  const std::string withPassword = head + "password = " + password + "\n";

  EXPECT_TRUE(ParseRoom("r.ini", withPassword, kPrivate).room);
  EXPECT_TRUE(ParseRoom("r.ini", withPassword, 0100400).room);
  EXPECT_TRUE(ParseRoom("r.ini", head, kShared).room);  // nothing to hide
  for (const std::uint32_t mode : {0100640U, 0100604U, 0100620U, 0100602U}) {
    const RoomRead read = ParseRoom("r.ini", withPassword, mode);
    EXPECT_FALSE(read.room) << std::oct << mode;
    EXPECT_TRUE(read.error.starts_with("yunuri: r.ini:3: holds a password but others may read it"))
        << read.error;
  }

  const std::vector<std::string> refused = {
      withPassword + "password = " + password + "\n",
      head + "password = " + password + std::string(20, 'x') + "\n",
      head + "password = " + password + ",x\n",
      head + "password = " + password + "\x01\n",
      head + "pasword = " + password + "\n",
      head + "password " + password + "\n",
  };
  for (const std::string& text : refused) {
    const RoomRead read = ParseRoom("r.ini", text, kPrivate);
    EXPECT_FALSE(read.room) << read.error;
    EXPECT_NE(read.error.find("r.ini:"), std::string::npos) << read.error;
    EXPECT_EQ(read.error.find("Hunter2"), std::string::npos) << read.error;
  }
  EXPECT_EQ(ParseRoom("r.ini", withPassword, 0100644).error.find("Hunter2"), std::string::npos);

  // The mode read is the file's own.
  std::string path = ::testing::TempDir() + "roomXXXXXX";
  const int fd = ::mkstemp(path.data());
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::write(fd, withPassword.data(), withPassword.size()), static_cast<ssize_t>(withPassword.size()));
  ::close(fd);
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  const RoomRead own = ReadRoomFile(path);
  ASSERT_TRUE(own.room) << own.error;
  EXPECT_EQ(own.room->projectors[0]->password, password);
  ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
  EXPECT_EQ(ReadRoomFile(path).error.find("yunuri: " + path + ":3: holds a password"), 0U);
  std::remove(path.c_str());
  EXPECT_EQ(ReadRoomFile(path).error,
            "yunuri: " + path + ": cannot read the room file: No such file or directory");
}

}  // namespace
}  // namespace yunuri::room

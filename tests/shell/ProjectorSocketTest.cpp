#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shell/ProjectorSocket.h"

namespace yunuri {
namespace {

constexpr int kWaitMs = 5000;  // a bound on each wait, not a figure under test

// A socket on 127.0.0.1 at a port the system picks; listening or only bound (then a connect is refused).
struct LocalPort {
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  std::uint16_t port = 0;

  explicit LocalPort(bool listening) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof a;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), length) != 0 || (listening && ::listen(fd, 4) != 0) ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &length) != 0) {
      ADD_FAILURE() << "no local port: " << errno;
    }
    port = ntohs(a.sin_port);
  }
  ~LocalPort() { ::close(fd); }
  LocalPort(const LocalPort&) = delete;
  LocalPort& operator=(const LocalPort&) = delete;

  // The projector's end of a connection made to it, or -1.
  int accept() const { return ::accept4(fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC); }
};

// The real socket, heard through what the projector would be told.
class ProjectorSocketTest : public ::testing::Test {
 protected:
  int connected = 0;
  std::string received;
  std::vector<std::size_t> chunks;
  std::vector<LinkLoss> lost;
  std::vector<int> peers;

  void TearDown() override {
    for (const int fd : peers) ::close(fd);
  }

  std::unique_ptr<TcpProjectorSocket> socketTo(const std::string& host, std::uint16_t port) {
    auto socket = std::make_unique<TcpProjectorSocket>("left projector", host, port);
    socket->deliverTo({[this] { ++connected; },
                       [this](std::string_view bytes) {
                         received += bytes;
                         chunks.push_back(bytes.size());
                       },
                       [this](LinkLoss why) { lost.push_back(why); }});
    return socket;
  }
  int acceptFrom(const LocalPort& projector) {
    int fd = -1;
    if (QTest::qWaitFor([&] { return (fd = projector.accept()) >= 0; }, kWaitMs)) peers.push_back(fd);
    return fd;
  }
  static void settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }
};

TEST_F(ProjectorSocketTest, TalksWithTheProjectorAndHearsItLeave) {
  const LocalPort projector(true);
  auto socket = socketTo("127.0.0.1", projector.port);
  socket->Connect();
  EXPECT_EQ(connected, 0) << "told from within Connect";
  ASSERT_TRUE(QTest::qWaitFor([&] { return connected == 1; }, kWaitMs));
  const int peer = acceptFrom(projector);
  ASSERT_GE(peer, 0);

  const std::string_view greeting = "PJLINK 0\r";
  ASSERT_EQ(::send(peer, greeting.data(), greeting.size(), 0), static_cast<ssize_t>(greeting.size()));
  EXPECT_TRUE(QTest::qWaitFor([&] { return received == greeting; }, kWaitMs)) << received;

  socket->Write("%1POWR ?\r");
  std::string asked;
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        std::array<char, 64> buffer{};
        const ssize_t n = ::recv(peer, buffer.data(), buffer.size(), 0);
        if (n > 0) asked.append(buffer.data(), static_cast<std::size_t>(n));
        return asked.size() >= 9;
      },
      kWaitMs));
  EXPECT_EQ(asked, "%1POWR ?\r");

  ::shutdown(peer, SHUT_RDWR);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !lost.empty(); }, kWaitMs));
  EXPECT_EQ(lost, std::vector{LinkLoss::Closed});
  // Gone, it takes no bytes and says nothing more.
  socket->Write("%1POWR ?\r");
  socket->Close();
  settle();
  EXPECT_EQ(lost.size(), 1U);
  EXPECT_EQ(connected, 1);
}

TEST_F(ProjectorSocketTest, RefusedOrGivenUpConnections) {
  const LocalPort nobody(false);
  auto refused = socketTo("127.0.0.1", nobody.port);
  refused->Connect();
  EXPECT_TRUE(lost.empty()) << "told from within Connect";
  ASSERT_TRUE(QTest::qWaitFor([&] { return !lost.empty(); }, kWaitMs));
  EXPECT_EQ(lost, std::vector{LinkLoss::Refused});

  // Given up right after asking: neither the refusal nor the connection the system made anyway is told.
  lost.clear();
  refused->Connect();
  refused->Close();
  const LocalPort projector(true);
  auto socket = socketTo("127.0.0.1", projector.port);
  socket->Connect();
  socket->Close();
  ASSERT_GE(acceptFrom(projector), 0);
  settle();
  EXPECT_EQ(connected, 0);
  EXPECT_TRUE(lost.empty());

  // More unsent than a projector could ever need ends the connection, told later, unless given up first.
  const std::string tooMuch(TcpProjectorSocket::kMaxUnsent + 1, '%');
  socket->Connect();
  socket->Write(tooMuch);
  socket->Close();
  settle();
  EXPECT_TRUE(lost.empty());
  socket->Connect();
  socket->Write(tooMuch);
  EXPECT_TRUE(lost.empty());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !lost.empty(); }, kWaitMs));
  EXPECT_EQ(lost, std::vector{LinkLoss::Failed});
  EXPECT_EQ(connected, 0);
}

TEST_F(ProjectorSocketTest, AFloodIsReadInBoundedChunksWhileThePanelGoesOn) {
  constexpr std::size_t kFlood = std::size_t{1} << 20;  // without a line end anywhere
  const LocalPort projector(true);
  auto socket = socketTo("127.0.0.1", projector.port);
  socket->Connect();
  ASSERT_TRUE(QTest::qWaitFor([&] { return connected == 1; }, kWaitMs));
  const int peer = acceptFrom(projector);
  ASSERT_GE(peer, 0);

  // The panel's other work: a timer due at every turn of the event loop, counted per chunk read.
  int turns = 0;
  std::vector<int> turnsAtChunk;
  QTimer panel;
  QObject::connect(&panel, &QTimer::timeout, [&] { ++turns; });
  panel.start(0);
  socket->deliverTo({[] {},
                     [&](std::string_view bytes) {
                       received += bytes;
                       chunks.push_back(bytes.size());
                       turnsAtChunk.push_back(turns);
                     },
                     [&](LinkLoss why) { lost.push_back(why); }});

  const std::string flood(kFlood, 'A');
  std::size_t sent = 0;
  for (int i = 0; i < 1'000'000 && received.size() < kFlood; ++i) {
    if (sent < kFlood) {
      const ssize_t n = ::send(peer, flood.data() + sent, kFlood - sent, MSG_NOSIGNAL);
      if (n > 0) sent += static_cast<std::size_t>(n);
    }
    QCoreApplication::processEvents();
  }
  ASSERT_EQ(received.size(), kFlood);
  EXPECT_TRUE(lost.empty());
  EXPECT_LE(*std::max_element(chunks.begin(), chunks.end()), TcpProjectorSocket::kReadChunk);
  // The timer ran between reads throughout, not only once the flood was over.
  const auto starved =
      std::adjacent_find(turnsAtChunk.begin(), turnsAtChunk.end(), [](int a, int b) { return a == b; });
  EXPECT_EQ(starved, turnsAtChunk.end()) << "two reads with no turn of the loop between them";
}

TEST_F(ProjectorSocketTest, AHostNameIsLookedUpAsidePromptlyForgottenWhenGivenUp) {
  const LocalPort projector(true);
  auto socket = socketTo("localhost", projector.port);
  socket->Connect();
  socket->Close();
  // A lookup dropped with its connection gone altogether.
  socketTo("localhost", projector.port)->Connect();
  ASSERT_TRUE(QTest::qWaitFor([] { return TcpProjectorSocket::lookupsRunning() == 0; }, kWaitMs));
  settle();
  EXPECT_EQ(connected, 0);
  EXPECT_TRUE(lost.empty());
  EXPECT_LT(projector.accept(), 0) << "a given-up lookup still connected";

  socket->Connect();
  EXPECT_TRUE(QTest::qWaitFor([&] { return connected == 1; }, kWaitMs));
  EXPECT_GE(acceptFrom(projector), 0);
  EXPECT_TRUE(lost.empty());
}

}  // namespace
}  // namespace yunuri

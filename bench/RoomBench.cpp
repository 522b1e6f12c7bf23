// The panel with a room file whose two projectors are dead: one whose packets vanish, so its connections
// never answer, and one that refuses them. A press must still answer at once and the tick keep its pace.
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "shell/ProjectorRoom.h"
#include "support/Panel.h"
#include "tick/Tick.h"

namespace yunuri::bench {
namespace {

constexpr int kPaceTicks = 15;

// An address of the documentation range: no host answers it, and where it is routed at all its packets are
// dropped on the way. YUNURI_BENCH_SILENT_PROJECTOR names another where this one is answered.
std::string silentAddress() {
  const QByteArray chosen = qgetenv("YUNURI_BENCH_SILENT_PROJECTOR");
  return chosen.isEmpty() ? std::string("192.0.2.1") : chosen.toStdString();
}

// A port of this machine bound but not listening: every connection to it is refused.
class RefusingPort {
 public:
  RefusingPort() {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof a;
    if (fd_ >= 0 && ::bind(fd_, reinterpret_cast<sockaddr*>(&a), length) == 0 &&
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &length) == 0) {
      port_ = ntohs(a.sin_port);
    }
  }
  ~RefusingPort() { ::close(fd_); }
  RefusingPort(const RefusingPort&) = delete;
  RefusingPort& operator=(const RefusingPort&) = delete;
  std::uint16_t port() const { return port_; }

 private:
  int fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  std::uint16_t port_ = 0;
};

std::optional<room::Room> deadRoom(const RefusingPort& refusing) {
  room::Room r;
  r.projectors[0].emplace().host = silentAddress();
  room::ProjectorLink& right = r.projectors[1].emplace();
  right.host = "127.0.0.1";
  right.port = refusing.port();
  return r;
}

// A shown panel, and with `dead` the dead room attached as the program attaches a room file's.
struct Room {
  test::ShownPanel p;
  RefusingPort refusing;
  ProjectorRoom projectors;

  explicit Room(bool dead) : projectors(p.f, dead ? deadRoom(refusing) : std::nullopt) {}
};

void drain(Form1& f) {
  benchmark::DoNotOptimize(f.TakeDirty().data());
  benchmark::DoNotOptimize(f.TakeCaptionChanged());
}

// OFF and ON of both projectors in turn, each a press the phase allows, so that every press asks a projector;
// then one turn of the event loop, where the sockets' news is heard.
void BM_DeadRoomPress(benchmark::State& state) {
  Room room(true);
  room.p.openPopup(0);
  constexpr std::array kButtons = {1, 0, 3, 2};  // left OFF, left ON, right OFF, right ON
  std::size_t i = 0;
  for (auto _ : state) {
    room.p.click(ArrayId::SWp1, kButtons.at(i));
    drain(room.p.f);
    QCoreApplication::processEvents();
    i = (i + 1) % kButtons.size();
  }
}
BENCHMARK(BM_DeadRoomPress);

// The worst lateness of the 100 ms tick on a precise timer, as the panel's, over a second and a half.
void BM_TickLateness(benchmark::State& state) {
  Room room(state.range(0) != 0);
  for (auto _ : state) {
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QEventLoop loop;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 worst = 0;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      const qint64 now = clock.nsecsElapsed();
      worst = std::max(worst, now - last - qint64{kTickMilliseconds} * 1'000'000);
      last = now;
      Tick(room.p.f);
      drain(room.p.f);
      if (++ticks == kPaceTicks) loop.quit();
    });
    clock.start();
    timer.start(kTickMilliseconds);
    loop.exec();
    state.SetIterationTime(static_cast<double>(worst) / 1e9);
  }
}
BENCHMARK(BM_TickLateness)
    ->ArgName("dead_room")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace yunuri::bench

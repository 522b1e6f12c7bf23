#pragma once

#include <netdb.h>
#include <sys/socket.h>

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "devices/RealProjector.h"

namespace yunuri {

// What a connection tells the projector behind it, always on the panel's thread.
struct LinkEvents {
  std::function<void()> connected;
  std::function<void(std::string_view)> received;
  std::function<void(LinkLoss)> lost;
};

// The events a real projector of the room listens to.
LinkEvents EventsOf(RealProjector& projector);

// One projector's TCP connection on plain POSIX sockets, woken by the event loop: nothing here ever waits.
// Numeric addresses connect at once; a host name is looked up on a thread of its own and the answer comes
// back through the event loop, or is dropped when the connection was given up meanwhile. What the projector
// hears of the outcome always comes from the event loop, never from within Connect, Write or Close.
class TcpProjectorSocket final : public QObject, public ProjectorSocket {
 public:
  // At most this much is read per wake, so a projector that floods the panel cannot starve its event loop.
  static constexpr std::size_t kReadChunk = 4096;
  // A projector that leaves more than this many bytes unread is taken as broken.
  static constexpr std::size_t kMaxUnsent = 4096;

  // `name` says which projector it is in the log ("left projector").
  TcpProjectorSocket(std::string name, std::string host, std::uint16_t port);
  ~TcpProjectorSocket() override;
  TcpProjectorSocket(const TcpProjectorSocket&) = delete;
  TcpProjectorSocket& operator=(const TcpProjectorSocket&) = delete;

  void deliverTo(LinkEvents events) { events_ = std::move(events); }

  void Connect() override;
  void Write(std::string_view bytes) override;
  void Close() override;
  void Log(std::string_view line) override;

  // Host name lookups still running, given up or not: each ends when the resolver answers or times out.
  static int lookupsRunning();

 private:
  struct Address {
    sockaddr_storage storage{};
    socklen_t length = 0;
  };
  struct Lookup;
  enum class Stage : std::uint8_t { Closed, LookingUp, Connecting, Open };

  static std::vector<Address> copyOut(const addrinfo* found);
  void lookUp();
  void lookedUp();
  void connectNext();
  void watch(int fd);
  void opened();
  void onWritable();
  void onReadable();
  // Sends what is kept; 0, or the errno that ended the connection.
  int sendUnsent();
  void closeSocket();
  // Ends the connection on an errno (0: the projector closed it) and says why for the projector.
  LinkLoss finish(int error);
  // The same, told to the projector at once (from the event loop) or later (from a call of the projector's).
  void ended(int error);
  void giveUp(int error);
  void later(LinkLoss why);
  void tellNews();

  std::string name_;
  std::string host_;
  std::uint16_t port_;
  LinkEvents events_;
  Stage stage_ = Stage::Closed;
  int fd_ = -1;
  std::vector<Address> addresses_;
  std::size_t next_ = 0;
  int lastError_ = 0;
  std::string unsent_;
  std::shared_ptr<Lookup> lookup_;
  QSocketNotifier readable_{QSocketNotifier::Read};
  QSocketNotifier writable_{QSocketNotifier::Write};
  QSocketNotifier answered_{QSocketNotifier::Read};  // the lookup's eventfd
  // What a call of the projector's ended in, told from the event loop; stopped by Close.
  QTimer news_;
  LinkLoss pendingLoss_ = LinkLoss::Failed;
};

}  // namespace yunuri

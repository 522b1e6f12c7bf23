#include "shell/FrameExtents.h"

#include <QWidget>

#ifdef YUNURI_HAVE_XCB
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>
#endif

namespace yunuri {

#ifdef YUNURI_HAVE_XCB
namespace {

// Long enough for a busy window manager, short enough that a silent one does not hold the first frame up
// much.
constexpr int kAnswerWithinMs = 100;
constexpr unsigned kPollMicroseconds = 300;

struct FreeReply {
  // xcb hands its replies over in malloc()ed memory.
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

enum Atom : std::uint8_t { Request, Extents, Check, Supported, kAtomCount };
constexpr std::array<std::string_view, kAtomCount> kAtomNames = {
    "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS", "_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED"};

std::array<xcb_atom_t, kAtomCount> internAtoms(xcb_connection_t* c) {
  std::array<xcb_intern_atom_cookie_t, kAtomCount> cookies{};
  for (std::size_t i = 0; i < kAtomCount; ++i) {
    cookies[i] =
        xcb_intern_atom(c, 0, static_cast<std::uint16_t>(kAtomNames[i].size()), kAtomNames[i].data());
  }
  std::array<xcb_atom_t, kAtomCount> atoms{};
  for (std::size_t i = 0; i < kAtomCount; ++i) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookies[i], nullptr));
    atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  }
  return atoms;
}

// The 32-bit values of a window's property; empty when it is not set.
std::vector<std::uint32_t> property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name,
                                    xcb_atom_t type, std::uint32_t count) {
  const Reply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, count), nullptr));
  if (!reply || reply->format != 32) return {};
  const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// Whether a window manager runs and answers the request. A manager that has gone may leave its properties
// behind; its check window then is gone too, or no longer names itself.
bool managerAnswers(xcb_connection_t* c, xcb_window_t root, const std::array<xcb_atom_t, kAtomCount>& atoms) {
  const std::vector<std::uint32_t> manager = property(c, root, atoms[Check], XCB_ATOM_WINDOW, 1);
  if (manager.empty() || property(c, manager[0], atoms[Check], XCB_ATOM_WINDOW, 1) != manager) return false;
  const std::vector<std::uint32_t> supported = property(c, root, atoms[Supported], XCB_ATOM_ATOM, 1024);
  return std::find(supported.begin(), supported.end(), atoms[Request]) != supported.end();
}

}  // namespace
#endif

std::optional<QMargins> frameExtentsBeforeMap(QWidget& window) {
#ifdef YUNURI_HAVE_XCB
  const auto* x11 =
      qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr) return std::nullopt;
  xcb_connection_t* c = x11->connection();
  const auto id = static_cast<xcb_window_t>(window.winId());
  const Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr));
  if (!geometry) return std::nullopt;
  const std::array<xcb_atom_t, kAtomCount> atoms = internAtoms(c);
  if (!managerAnswers(c, geometry->root, atoms)) return std::nullopt;

  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = id;
  message.type = atoms[Request];
  xcb_send_event(c, 0, geometry->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(c);

  // The manager's answer is in device pixels; the widget works in logical ones.
  const qreal ratio = window.devicePixelRatioF();
  const auto logical = [ratio](std::uint32_t v) { return static_cast<int>(std::lround(v / ratio)); };
  QElapsedTimer waited;
  waited.start();
  do {
    const std::vector<std::uint32_t> v = property(c, id, atoms[Extents], XCB_ATOM_CARDINAL, 4);
    // left, right, top, bottom
    if (v.size() == 4) return QMargins(logical(v[0]), logical(v[2]), logical(v[1]), logical(v[3]));
    QThread::usleep(kPollMicroseconds);
  } while (waited.elapsed() < kAnswerWithinMs);
#else
  (void)window;
#endif
  return std::nullopt;
}

}  // namespace yunuri

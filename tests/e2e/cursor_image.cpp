// Prints the pointer as the X server shows it now, for the end-to-end tests: "width height xhot yhot ink",
// where ink is how far below the hot spot the first opaque pixel of its column lies (-1 when there is none).
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

namespace {
constexpr unsigned long kOpaque = 128;
}

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("cursor_image: cannot open the display\n", stderr);
    return 1;
  }
  int event = 0;
  int error = 0;
  XFixesCursorImage* image =
      XFixesQueryExtension(display, &event, &error) ? XFixesGetCursorImage(display) : nullptr;
  if (image == nullptr) {
    std::fputs("cursor_image: the server does not tell the pointer's image (XFixes)\n", stderr);
    XCloseDisplay(display);
    return 1;
  }
  int ink = -1;
  if (image->xhot < image->width) {
    for (int y = image->yhot; y < image->height; ++y) {
      if ((image->pixels[y * image->width + image->xhot] >> 24) >= kOpaque) {
        ink = y - image->yhot;
        break;
      }
    }
  }
  std::printf("%d %d %d %d %d\n", image->width, image->height, image->xhot, image->yhot, ink);
  XFree(image);
  XCloseDisplay(display);
  return 0;
}

#pragma once

#include <QMargins>
#include <optional>

class QWidget;

namespace yunuri {

// The frame the window manager will put around a top-level window that is made but not yet shown, asked of
// it beforehand (X11 with a manager that answers _NET_REQUEST_FRAME_EXTENTS). Nothing elsewhere, or when the
// manager does not answer at once.
std::optional<QMargins> frameExtentsBeforeMap(QWidget& window);

}  // namespace yunuri

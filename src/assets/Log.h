#pragma once

#include <QLoggingCategory>

namespace yunuri {

// The program's own messages, one line each on standard error as "yunuri: ...". Through Qt's logging, so
// QT_LOGGING_RULES and QT_MESSAGE_PATTERN filter and shape them as they do the toolkit's.
Q_DECLARE_LOGGING_CATEGORY(lcPanel)

}  // namespace yunuri

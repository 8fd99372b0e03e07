#pragma once

#include <QLoggingCategory>

namespace TovUpdate {

Q_DECLARE_LOGGING_CATEGORY(lcUpdate)

} // namespace TovUpdate

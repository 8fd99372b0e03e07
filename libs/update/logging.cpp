#include "libs/update/logging.h"

namespace TovUpdate {

Q_LOGGING_CATEGORY(lcUpdate, "tovupdate.client")

} // namespace TovUpdate

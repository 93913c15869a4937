#include "platform/Platform.h"

namespace brindlewick
{

PlatformError::PlatformError(const QString &cause)
    : std::runtime_error(cause.toStdString()), cause_(cause)
{
}

} // namespace brindlewick

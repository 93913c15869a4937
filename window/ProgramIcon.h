#pragma once

#include <QIcon>

namespace brindlewick
{

// The program's own icon, drawn at every size a desktop asks for.
QIcon programIcon();

} // namespace brindlewick

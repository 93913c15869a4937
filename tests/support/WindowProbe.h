#pragma once

#include <QStringList>

namespace brindlewick
{
class frmMain;
}

namespace brindlewick::test
{

// The names the window's file list shows, in order.
QStringList listedNames(const frmMain &window);

} // namespace brindlewick::test

#include "support/WindowProbe.h"

#include "window/ReportList.h"
#include "window/frmMain.h"

namespace brindlewick::test
{

QStringList listedNames(const frmMain &window)
{
    QStringList names;
    for (qsizetype i = 1; i <= window.lsList->itemCount(); ++i)
        names.append(window.lsList->itemText(i));
    return names;
}

} // namespace brindlewick::test

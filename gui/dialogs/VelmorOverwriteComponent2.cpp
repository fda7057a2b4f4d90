#include "VelmorOverwriteComponent2.h"

#include "VelmorFileBrowser.h"

void VelmorOverwriteComponent2::okButtonClicked()
{
    if (!overwriteTarget())
        return;

    hide();
    if (auto* browser = dynamic_cast<VelmorFileBrowser*>(getParentComponent()))
        browser->hide();
}

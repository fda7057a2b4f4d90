#include "VelmorOverwriteComponent2.h"

#include "VelmorFileBrowser.h"

void VelmorOverwriteComponent2::okButtonClicked()
{
    // Back to the browser, as cancel goes: the name may be saved again for the program now
    // current, after its own question.
    if (!isStillAsked())
    {
        cancelButtonClicked();
        return;
    }
    if (!overwriteTarget())
        return;

    hide();
    if (auto* browser = dynamic_cast<VelmorFileBrowser*>(getParentComponent()))
        browser->hide();
}

#include "Utf8.h"

#include <dirent.h>

// The framework turns every name a folder listing returns into text as if it were well-formed
// UTF-8, and a name that is not (a file name may hold any bytes) makes it copy more bytes than it
// allocated. Every binary built on the processor links the framework's readdir calls to this
// function instead (see the processor's link options), which leaves such names out: the
// framework could not name those files anyway. The preset menu and the file browsers list the
// user's folders through it.

extern "C" dirent* __real_readdir(DIR* folder); // NOLINT(bugprone-reserved-identifier)

// Hidden: a plug-in module keeps it to itself, so that nothing else in the host's process can take
// its place or call it.
extern "C" __attribute__((visibility("hidden"))) dirent*
__wrap_readdir(DIR* folder) // NOLINT(bugprone-reserved-identifier)
{
    for (;;)
    {
        dirent* const entry = __real_readdir(folder);
        if (entry == nullptr || Utf8::isWellFormed(entry->d_name))
            return entry;
    }
}

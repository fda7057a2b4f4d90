#pragma once

#include "FileDescriptor.h"

#include <string>

#include <sys/types.h>

// The files a save writes before they take a preset's place, named
// ".vzrp-saving.<process id>.<16 hex digits>" in the folder of the file they replace. The name is
// short whatever the preset's name (every name the file system takes for a preset must save),
// hidden, and never matches the preset pattern, so that no listing offers a save in progress or
// the leftover of one that never finished. It names the process that writes it: a leftover of a
// host that was killed (or ended by a file-size limit) before the rename can be told from a save
// still under way, and removed.
namespace SaveTemporaries
{
// A new file in folder with the scheme's name, made by this call alone (O_EXCL), open for writing,
// with permissions mode (less the umask); path receives its full path. Not open when it could not
// be made.
FileDescriptor create(const std::string& folder, mode_t mode, std::string& path);

// Removes from folder the leftovers of earlier saves that never finished: entries whose name is
// exactly of the scheme and that are regular files of this effective user (a link is never
// followed), when the process they name no longer runs or they are more than an hour old (a save
// from another machine sharing the folder has long finished by then). Nothing else is touched.
void removeLeftovers(const std::string& folder);
} // namespace SaveTemporaries

#pragma once

#include <string>
#include <string_view>

namespace tavelor::base {

// The error text of a write refused because the target is neither a regular file nor a new name.
inline constexpr const char* kNotRegularFileText = "Not a regular file";

// Replaces the file at path with bytes so that the old file survives any failure: the bytes go
// to a temporary file in the same folder (one without a name where the file system allows, so
// that a kill leaves nothing behind), every write and the flush to disk are checked, and only
// then is the temporary renamed over the target. Temporary files of ours that a kill left in the
// folder are removed once they are a few minutes old. On failure the temporary file is removed, the
// target is left byte-identical (or absent, if it was), and errorText / errorNumber (either may be
// null) receive the errno description and number. A new file gets the usual permissions (0666
// less the umask); a replaced one keeps its own.
//
// It does no more than a plain write could: an existing file the user may not write is refused
// (EACCES) and a symbolic link is written through, its target replaced in the target's own folder.
// Only a regular file or a new name is written: a folder is refused with EISDIR, a device, pipe
// or socket with EINVAL and kNotRegularFileText. In a folder the user may not write, an existing
// writable file is overwritten in place, once the space for the new bytes is taken.
bool replaceFileAtomically(const std::string& path, std::string_view bytes, std::string* errorText,
                           int* errorNumber);

// Whether replaceFileAtomically could write path for this user: an existing file they may write,
// or a new one in a folder they may write.
bool mayReplaceFile(const std::string& path);

}  // namespace tavelor::base

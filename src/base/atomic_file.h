#pragma once

#include <string>
#include <string_view>

namespace tavelor::base {

// Replaces the file at path with bytes so that the old file survives any failure: the bytes go
// to a temporary file in the same folder, every write and the flush to disk are checked, and only
// then is the temporary renamed over the target. On failure the temporary file is removed, the
// target is left byte-identical (or absent, if it was), and errorText / errorNumber (either may be
// null) receive the errno description and number. A new file gets the usual permissions (0666
// less the umask); a replaced one keeps its own.
bool replaceFileAtomically(const std::string& path, std::string_view bytes, std::string* errorText,
                           int* errorNumber);

}  // namespace tavelor::base

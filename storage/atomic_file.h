// Replacing a whole file safely: a new file beside it takes its place only when completely written.
#pragma once

#include <string>
#include <string_view>

class QFileDevice;

namespace quintaro {

// Writes bytes to a new file in the folder of path (made first when missing) and puts it in place of
// path only when every byte was written; on failure the old file stays as it was and reason says why (German, with the path).
bool replaceFile(const std::string& path, std::string_view bytes, std::string& reason);

// Qt's own reason for a file error, as " (…)", or "" when it has no useful one.
std::string fileErrorDetail(const QFileDevice& file);

} // namespace quintaro

// Replacing a whole file safely: a new file beside it takes its place only when completely written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class QFileDevice;

namespace quintaro {

// Where writing a whole file stopped, for the caller to word in its own language.
struct WriteFailure {
    enum class Step {
        Folder,   // path is a folder
        NotAFile, // with regularOnly: path is a FIFO, a device or the like
        NoFolder, // the folder of path is missing and could not be made (or was not to be made)
        Create,   // no new file could be made beside path (nor path opened in place, where allowed)
        Write,    // writing the bytes failed, most likely on a full disk
        Replace,  // the complete new file could not take the place of path
    };
    Step step;
    std::string where;    // the folder for NoFolder, else path
    std::string detail;   // the system's reason as " (…)", or ""
    bool inPlace = false; // Write only: path was being overwritten and may now hold part of the new bytes
};

struct WriteRules {
    bool makeFolder = true;        // make a missing folder of path first (the player's data folder)
    bool regularOnly = false;      // refuse an existing path that is no regular file, such as /dev/null
    bool overwriteInPlace = false; // when no new file can be made beside an existing regular file
                                   // (a folder the user cannot write), write over path itself
};

// Writes bytes to a new file in the folder of path and puts it in place of path only when every byte
// was written; on failure path is as it was. The one exception is the in-place write of
// rules.overwriteInPlace: it overwrites path from its start (never cutting it short before every
// byte is written, then to the new length) and checks every step, so that a failure is reported,
// but a failed one may leave path partly new (WriteFailure::inPlace).
std::optional<WriteFailure> writeWholeFile(const std::string& path, std::string_view bytes, WriteRules rules);

// The failure in the game's German, with the path ("… lässt sich nicht anlegen (…)").
std::string germanReason(const WriteFailure& failure);

// The system's reason for the last error of file, as " (…)" in Qt's words; "" when no call on file
// failed with one (whatever the language, the player never reads "Unknown error").
std::string fileErrorDetail(const QFileDevice& file);

} // namespace quintaro

// Names of the deduction scans, for traces and tool output.
#include "engine/placement_trace.h"

namespace quintaro {

const char* scanName(Scan s) {
    switch (s) {
    case Scan::BoxSingleCandidate:
        return "box single candidate";
    case Scan::BoxSinglePlace:
        return "box single place";
    case Scan::RowSinglePlace:
        return "row single place";
    case Scan::ColumnSinglePlace:
        return "column single place";
    }
    return "unknown scan";
}

} // namespace quintaro

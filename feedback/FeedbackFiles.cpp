#include "feedback/FeedbackFiles.h"

#include "feedback/FeedbackTable.h"

namespace kx2 {

RangeFileFormat feedbackFileFormat()
{
    return RangeFileFormat{
        isdHeaderFeedback(), FeedbackTable::Layout,
        [](int col, int v) {
            switch (col) {
            case FeedbackTable::Status: return v == 0 || v == 1 || v == 255;
            case 33: return true; // not used by the program; carried as it stands
            case 34: return v == 0 || v == 1;
            default: return v >= 0 && v <= 255;
            }
        }};
}

} // namespace kx2

#include "shell/UserDialogs.h"

namespace kx2 {

MsgAnswer firstButton(MsgButtons buttons)
{
    return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
}

MsgAnswer defaultAnswer(Question question, MsgButtons buttons)
{
    switch (question) {
    case Question::ReplaceOtherStation:
    case Question::DeleteRecord:
    case Question::DeleteRoute:
    case Question::DiscardChanges:
    case Question::KeepRecordsRead:
        return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    case Question::StoreChanges:
        break;
    }
    return firstButton(buttons);
}

} // namespace kx2

// The shell's process state put back before every test: no tool registered on the launcher
// (a test registers its own, or the real ones), the refer-a-friend fields empty.
#include "common/test_support.h"
#include "shell/tell_a_friend.h"
#include "shell/tool_registry.h"

namespace {
const qztest::PutBackBeforeEachTest kShellState([] {
  for (int tool = 0; tool < shell::kToolCount; ++tool) shell::RegisterTool(static_cast<shell::Tool>(tool), nullptr);
  for (QString* field : {&modTellAFriend::TellAFriendName, &modTellAFriend::TellAFriendEmail,
                         &modTellAFriend::TellAFriendMessage, &modTellAFriend::TellAFriendFriendName,
                         &modTellAFriend::TellAFriendFriendEmail, &modTellAFriend::TellAFriendURL})
    field->clear();
});
}  // namespace

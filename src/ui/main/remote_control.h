#pragma once
#include "platform/win32/windows_api.h"

#include <optional>

#include "engine/command_line.h"

// How a second start hands its command to the running copy: WM_COPYDATA to
// the running copy's main window, carrying the arguments, with the second
// start's own message-only window in wParam for the reply text. The running
// copy's answer is the message's result.
namespace vesk::ui::remote {

// Second start: hands the command over and prints the reply. Returns the
// exit status (engine::kCommand...).
int HandOver(const engine::RemoteCommand& command);

// Running copy: the command a WM_COPYDATA carries, when it is one of ours,
// well formed, and sent by a window of the same user's session.
std::optional<engine::RemoteCommand> ReceivedCommand(WPARAM wParam, LPARAM lParam);

// Running copy: sends the reply text to the second start and gives the
// WM_COPYDATA result that carries the status.
LRESULT Answer(WPARAM wParam, const engine::RemoteReply& reply);

}  // namespace vesk::ui::remote

#include "ui/main/remote_control.h"

#include <string>
#include <vector>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf.h"
#include "ui/main/console_output.h"
#include "ui/main/main_form.h"
#include "ui/main/window_class.h"

namespace vesk::ui::remote {
namespace {

using platform::win32::ScopedHandle;
using platform::win32::ScopedWindow;

// COPYDATASTRUCT.dwData of a command and of its reply.
constexpr ULONG_PTR kCommandTag = 0x56534B43;  // "VSKC"
constexpr ULONG_PTR kReplyTag = 0x56534B52;    // "VSKR"
// A command is a few arguments and a path; anything longer is not ours.
constexpr DWORD kLargestMessage = 64 * 1024;
// The result of a handled command: the status added to this base, so that a
// window that does not know the message (its 0) is never taken for success.
constexpr LRESULT kAnsweredBase = 0x5600;

constexpr const wchar_t* kReplyClass = L"VeskReply";
// A running copy that has just been started needs a moment to get its window
// up and its hotkeys in.
constexpr DWORD kFindLimitMs = 10000;
// A command may ask a password, which the user takes time to type.
constexpr UINT kAnswerLimitMs = 5 * 60 * 1000;

// The bytes of the SID of the user the process runs as.
std::optional<std::vector<BYTE>> TokenUserSid(HANDLE process) {
    HANDLE rawToken = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &rawToken)) return std::nullopt;
    const ScopedHandle token(rawToken);
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    if (size == 0) return std::nullopt;
    std::vector<BYTE> buffer(size);
    if (!GetTokenInformation(token.get(), TokenUser, buffer.data(), size, &size)) return std::nullopt;
    const PSID sid = reinterpret_cast<const TOKEN_USER*>(buffer.data())->User.Sid;
    const auto* first = static_cast<const BYTE*>(sid);
    return std::vector<BYTE>(first, first + GetLengthSid(sid));
}

// Another user's program in the same session (a service, a Run As) must not
// steer this user's desktops.
bool SentBySameUser(HWND sender) {
    DWORD processId = 0;
    if (!sender || !GetWindowThreadProcessId(sender, &processId)) return false;
    DWORD ownSession = 0, senderSession = 0;
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &ownSession) ||
        !ProcessIdToSessionId(processId, &senderSession) || ownSession != senderSession) {
        return false;
    }
    const ScopedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return false;
    const auto own = TokenUserSid(GetCurrentProcess());
    const auto theirs = TokenUserSid(process.get());
    return own && theirs && *own == *theirs;
}

std::string Joined(const std::vector<std::string>& arguments) {
    std::string bytes;
    for (const auto& argument : arguments) bytes += argument + '\0';
    return bytes;
}

std::vector<std::string> Split(const char* bytes, std::size_t size) {
    std::vector<std::string> arguments;
    std::size_t start = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] != '\0') continue;
        arguments.emplace_back(bytes + start, i - start);
        start = i + 1;
    }
    return arguments;
}

// The reply window of the second start: it keeps the text it is sent.
LRESULT CALLBACK ReplyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        auto* text = reinterpret_cast<std::string*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (data && text && data->dwData == kReplyTag && data->cbData <= kLargestMessage && data->lpData) {
            text->assign(static_cast<const char*>(data->lpData), data->cbData);
            return TRUE;
        }
        return FALSE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The running copy's main window once it has started up, or nullptr.
HWND RunningCopy() {
    const UINT startedUp = RegisterWindowMessageW(kStartedUpMessage);
    const ULONGLONG since = GetTickCount64();
    for (;;) {
        if (const HWND main = FindWindowW(kMainWindowClass, kMainWindowTitle)) {
            DWORD_PTR ready = 0;
            if (SendMessageTimeoutW(main, startedUp, 0, 0, SMTO_ABORTIFHUNG, 1000, &ready) && ready == 1) return main;
        }
        if (GetTickCount64() - since > kFindLimitMs) return nullptr;
        Sleep(50);
    }
}

}  // namespace

int HandOver(const engine::RemoteCommand& command) {
    const HWND main = RunningCopy();
    if (!main) {
        PrintForUser("Vesk is running but did not answer; nothing was done.\n", true);
        return engine::kCommandNoRunningCopy;
    }
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = ReplyWindowProc;
    description.hInstance = GetModuleHandleW(nullptr);
    description.lpszClassName = kReplyClass;
    const RegisteredWindowClass replyClass(description);
    std::string replyText;
    const ScopedWindow reply(CreateWindowExW(0, kReplyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                             description.hInstance, nullptr));
    if (!reply) {
        PrintForUser("Vesk: no window for the reply could be made; nothing was sent.\n", true);
        return engine::kCommandNotDone;
    }
    SetWindowLongPtrW(reply.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&replyText));

    const std::string bytes = Joined(engine::CommandArguments(command));
    COPYDATASTRUCT data{kCommandTag, static_cast<DWORD>(bytes.size()), const_cast<char*>(bytes.data())};
    DWORD_PTR result = 0;
    const bool answered = SendMessageTimeoutW(main, WM_COPYDATA, reinterpret_cast<WPARAM>(reply.get()),
                                              reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, kAnswerLimitMs,
                                              &result) != 0;
    SetWindowLongPtrW(reply.get(), GWLP_USERDATA, 0);
    const auto status = static_cast<LRESULT>(result) - kAnsweredBase;
    if (!answered || status < engine::kCommandDone || status > engine::kCommandNoRunningCopy) {
        PrintForUser("Vesk did not take the command; nothing was done.\n", true);
        return engine::kCommandNotDone;
    }
    if (!replyText.empty()) PrintForUser(replyText + "\n", status != engine::kCommandDone);
    return static_cast<int>(status);
}

std::optional<engine::RemoteCommand> ReceivedCommand(WPARAM wParam, LPARAM lParam) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (!data || data->dwData != kCommandTag || !data->lpData || data->cbData == 0 || data->cbData > kLargestMessage) {
        return std::nullopt;
    }
    if (!SentBySameUser(reinterpret_cast<HWND>(wParam))) return std::nullopt;
    const auto line = engine::ParseCommandLine(Split(static_cast<const char*>(data->lpData), data->cbData));
    if (line.kind != engine::CommandLine::Kind::Command) return std::nullopt;
    return line.command;
}

LRESULT Answer(WPARAM wParam, const engine::RemoteReply& reply) {
    const HWND sender = reinterpret_cast<HWND>(wParam);
    if (!reply.text.empty() && IsWindow(sender)) {
        COPYDATASTRUCT data{kReplyTag, static_cast<DWORD>(reply.text.size()), const_cast<char*>(reply.text.data())};
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(sender, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 1000, &ignored);
    }
    return kAnsweredBase + reply.status;
}

}  // namespace vesk::ui::remote

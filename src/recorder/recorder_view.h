#pragma once
#include <optional>
#include <string>

namespace vesk::recorder {

// The main window's side of the recorder: the command captions that carry
// its state, the file dialogs, and the record-done message.
class RecorderView {
public:
    virtual ~RecorderView() = default;
    virtual std::string RecordCaption() = 0;  // Label1
    virtual void SetRecordCaptions(const std::string& label, const std::string& menuItem) = 0;
    virtual std::string PlayCaption() = 0;  // Label2
    virtual void SetPlayCaptions(const std::string& label, const std::string& menuItem) = 0;
    virtual std::optional<std::string> ChooseFileToRecord() = 0;
    virtual std::optional<std::string> ChooseFileToPlay() = 0;
    virtual void HideMainWindow() = 0;
    // Sends WM_RECORDDONE to the main window and returns once it was handled;
    // the handler calls Recorder::RecordDone.
    virtual void SendRecordDone() = 0;
};

}  // namespace vesk::recorder

#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/control_desktop.h"
#include "engine/hidden_windows.h"
#include "platform/window_manager.h"

namespace vesk::ui {

// A handle or process id as the window tools list it: its low 32 bits in 8
// upper-case hexadecimal digits.
std::string EightHexDigits(std::uint64_t value);
// Class names and titles in the window tools' rows are cut to 49 characters
// (whole UTF-8 characters, never part of one).
std::string CutWindowText(const std::string& text);

// Which of the two buttons of a direction was pressed: their Tag.
enum class TransferKind { Copy = 0, Cut = 1 };

// The decisions of the window move and copy dialog (TWindowFrm). The upper
// list shows the current desktop's windows, the lower one those of the
// desktop chosen in ComDesktops; rows exist only for live windows. Every
// change reaches the desktop lists at once; Cancel puts them back.
//
// OK (FlatButton4) and Escape keep the changes and need no call.
class WindowMoveModel {
public:
    WindowMoveModel(engine::TControlDesktop& state, platform::WindowManager& windows,
                    engine::HiddenWindowJournal& journal);
    WindowMoveModel(const WindowMoveModel&) = delete;
    WindowMoveModel& operator=(const WindowMoveModel&) = delete;

    std::string EdtCurrent;                    // "Desktop " + current desktop
    std::vector<std::string> ComDesktopsItems;  // "Desktop " + n for every other desktop
    int ComDesktops = -1;                      // chosen entry, -1 for none
    std::vector<std::string> ListFrom;         // rows: handle, class name, title
    std::vector<std::string> ListTo;
    int UpperSelection = 0;  // row of ListFrom; the first until a row is clicked
    int LowerSelection = -1;

    // Fills the controls and takes the snapshot Cancel restores.
    void Prepare();
    void ComDesktopsChange(int index);
    void ListFromClick(int row);
    void ListToClick(int row);
    // BtnCopy / BtnCut: the selected upper row to the chosen desktop.
    void BtnCopyClick(TransferKind kind);
    // FlatButton2 / FlatButton3: the selected lower row to the current desktop.
    void FlatButton2Click(TransferKind kind);
    // Cancel (FlatButton5) and the close glyph: every list changed here gets
    // its snapshot back and the current desktop's windows are shown; the
    // dialog then ends with Cancel.
    void FlatButton5Click();

private:
    // Rows and the position in the desktop list of the entry each one shows.
    struct RowMap {
        std::vector<std::string>& rows;
        std::vector<std::size_t> positions;
    };
    int DesktopCount() const;
    int ChosenDesktop() const;  // 0 for none
    std::vector<platform::WindowHandle>& ListOf(int desktop) const { return state_.Desktop(desktop).WindowList; }
    void Fill(RowMap& map, int desktop);
    std::string Row(platform::WindowHandle window);
    bool ShowsWindow(const RowMap& map, int desktop, platform::WindowHandle window) const;
    void Append(RowMap& map, std::vector<platform::WindowHandle>& list, platform::WindowHandle window,
                const std::string& row);
    void Remove(RowMap& map, std::vector<platform::WindowHandle>& list, int row);
    void MarkChanged(int desktop) { changed_[static_cast<std::size_t>(desktop - 1)] = true; }

    engine::TControlDesktop& state_;
    platform::WindowManager& windows_;
    engine::HiddenWindowJournal& journal_;
    RowMap upper_{ListFrom, {}};
    RowMap lower_{ListTo, {}};
    std::array<bool, engine::kDesktopCount> changed_{};
    std::array<std::vector<platform::WindowHandle>, engine::kDesktopCount> snapshots_;
};

}  // namespace vesk::ui

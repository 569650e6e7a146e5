#include "ui/dialogs/setting_model.h"

#include <algorithm>
#include <charconv>

#include "engine/appearance.h"
#include "engine/desktop_names.h"

namespace vesk::ui {
namespace {

using engine::HotkeyCode;
using engine::KeyChoice;

constexpr std::uint32_t kConflictColour = 255;     // red
constexpr std::uint32_t kNormalColour = 16777215;  // white

bool ValidIndex(int index, std::size_t count) { return index >= 0 && static_cast<std::size_t>(index) < count; }

// The settings store takes any DWORD, so a desktop key may lie outside the
// offered keys; such a key selects nothing rather than a neighbouring item.
int DesktopItemOf(std::int32_t key) {
    const int index = engine::DesktopKeyIndex(key);
    return ValidIndex(index, engine::kDesktopKeyCount) && engine::DesktopKeyAt(index) == key ? index : -1;
}

std::vector<std::string> DesktopNames(const engine::TControlDesktop& live) {
    std::vector<std::string> names;
    for (int n = 1; n <= engine::kDesktopCount; ++n) names.push_back(engine::DesktopTitle(live, n));
    return names;
}

// Sets the hotkey of a command list from its item; false for no item.
bool ChooseCommandHotkey(int index, const std::vector<KeyChoice>& keys, int& shown, std::int32_t& modifier,
                         std::int32_t& key) {
    if (!ValidIndex(index, keys.size() * 2)) return false;
    shown = index;
    const HotkeyCode chosen = engine::CommandHotkeyAt(keys, index);
    modifier = chosen.modifier;
    key = chosen.key;
    return true;
}

bool SameRecordAndPlayKeys(const engine::StoredSettings& s) { return s.Record1 == s.Play1 && s.Record2 == s.Play2; }

// What the test registration tries.
engine::HotkeySet HotkeysOf(const engine::StoredSettings& s) {
    engine::HotkeySet set;
    for (int n = 1; n <= engine::kDesktopCount; ++n) set.desktopKeys[n - 1] = s.Desktop(n).DesktopHot;
    set.mainWindow = {s.ControlHot1, s.ControlHot2};
    set.settings = {s.Setting1, s.Setting2};
    set.record = {s.Record1, s.Record2};
    set.play = {s.Play1, s.Play2};
    return set;
}

int SpinValue(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return kMaxSizeLowest;
    return std::clamp(value, kMaxSizeLowest, kMaxSizeHighest);
}

}  // namespace

SettingModel::SettingModel(engine::TControlDesktop& live, platform::Services& system, engine::Prompt& prompt)
    : ComDesktopItems(DesktopNames(live)),
      ComTileWallItems{"Center", "Stretch", "Tile"},
      ComEnterHotItems(engine::DesktopHotkeyList()),
      ComMainItems(engine::CommandHotkeyList(engine::MainWindowKeys(), true)),
      ComParaItems(engine::CommandHotkeyList(engine::SettingsKeys(), false)),
      ComRecordItems(engine::CommandHotkeyList(engine::RecordPlayKeys(), false)),
      ComPlayItems(engine::CommandHotkeyList(engine::RecordPlayKeys(), false)),
      live_(live),
      system_(system),
      prompt_(prompt) {}

void SettingModel::LoadCopy() {
    desktopCount_ = std::clamp<int>(live_.DesktopNum, 1, engine::kDesktopCount);
    curDesk_ = std::clamp<int>(live_.CurrentDesktop, 1, desktopCount_);
    copy_ = live_.Stored();
}

void SettingModel::RenameDesktop(const std::string& name) {
    std::string& kept = copy_.Desktop(curDesk_).Name;
    kept = engine::LimitedDesktopName(name);
    ComDesktopItems.at(static_cast<std::size_t>(curDesk_ - 1)) = engine::DesktopTitle(curDesk_, kept);
}

std::optional<SettingModel::ImportFailure> SettingModel::StoreCopy() {
    // Every import comes first: a picture that cannot be used must not leave
    // the live record half taken over.
    engine::StoredSettings taken = copy_;
    for (int n = 1; n <= desktopCount_; ++n) {
        std::string& wallpaper = taken.Desktop(n).Wallpaper;
        if (wallpaper.empty() || wallpaper == live_.Desktop(n).Wallpaper) continue;
        const engine::ImportResult imported = engine::ImportWallpaper(live_, system_.files, wallpaper);
        if (!imported.ok) {
            return ImportFailure{n, "Wallpaper of Vesk " + std::to_string(n) + " can't be used:\r\n" + imported.error};
        }
        wallpaper = imported.path;
    }
    live_.SetStored(taken);
    return std::nullopt;
}

void SettingModel::LoadControls() {
    SettingControls& c = Controls;
    c.CheckAutoRun = copy_.AutoRun;
    c.CheckSystem = copy_.UseControlPassword;
    c.CheckExitMain = copy_.ExitMainWindow;
    c.CheckHelp = copy_.ShowHelp;
    c.CheckSaveIni = copy_.RecordHint;
    c.CheckHide = copy_.ShowIcon;
    c.EdtMainPass = copy_.ControlPassword;
    c.EdtSettingPass = copy_.SettingPassword;
    copy_.MaxSize = std::clamp<std::int64_t>(copy_.MaxSize, kMaxSizeLowest, kMaxSizeHighest);
    c.SPMaxSize = static_cast<int>(copy_.MaxSize);
    c.ComDesktop = curDesk_ - 1;
    LoadPage(curDesk_);
    c.ComMain = engine::CommandHotkeyIndex(engine::MainWindowKeys(), {copy_.ControlHot1, copy_.ControlHot2});
    c.ComPara = engine::CommandHotkeyIndex(engine::SettingsKeys(), {copy_.Setting1, copy_.Setting2});
    c.ComRecord = engine::CommandHotkeyIndex(engine::RecordPlayKeys(), {copy_.Record1, copy_.Record2});
    c.ComPlay = engine::CommandHotkeyIndex(engine::RecordPlayKeys(), {copy_.Play1, copy_.Play2});
}

void SettingModel::LoadPage(int desktop) {
    const engine::DesktopSettings& page = copy_.Desktop(desktop);
    SettingControls& c = Controls;
    c.EdtWall = page.Wallpaper;
    c.CheckPass = page.Forwhat != 0;
    c.PanelDeskEnabled = c.CheckPass;
    c.EdtPass = page.Password;
    c.CheckEnter = (page.Forwhat & engine::kPasswordOnEnter) != 0;
    c.CheckExit = (page.Forwhat & engine::kPasswordOnLeave) != 0;
    c.CheckIcons = page.ProgWnd;
    c.CheckTray = page.TrayWnd;
    c.CheckMusic = page.Volume;
    c.ComTileWall = ValidIndex(page.TileWall, ComTileWallItems.size()) ? page.TileWall : -1;
    // The move and copy fields belong to this page even when its key turns
    // out to be taken by another desktop or is not set at all.
    const int item = DesktopItemOf(page.DesktopHot);
    ShowMoveAndCopyKeys(item);
    ComEnterHotChange(item);
}

std::string SettingModel::StorePage() {
    const SettingControls& c = Controls;
    engine::DesktopSettings& page = copy_.Desktop(curDesk_);
    if (!c.EdtWall.empty() && !system_.files.Exists(c.EdtWall)) return "Wallpaper File is not exists!";
    page.Wallpaper = c.EdtWall;
    // An unknown stored style shows no item; it is kept, not replaced.
    if (ValidIndex(c.ComTileWall, ComTileWallItems.size())) page.TileWall = static_cast<std::uint8_t>(c.ComTileWall);
    page.Password = c.EdtPass;
    page.Forwhat = c.CheckPass ? static_cast<std::uint8_t>((c.CheckEnter ? engine::kPasswordOnEnter : 0) |
                                                          (c.CheckExit ? engine::kPasswordOnLeave : 0))
                               : 0;
    page.ProgWnd = c.CheckIcons;
    page.TrayWnd = c.CheckTray;
    page.Volume = c.CheckMusic;
    page.DesktopHotMod = engine::kModCtrl;
    if (!ValidIndex(c.ComEnterHot, ComEnterHotItems.size())) return "HotKey must be Set!";
    page.DesktopHot = engine::DesktopKeyAt(c.ComEnterHot);
    return {};
}

bool SettingModel::ShowConflicts() {
    Controls.LabHotConflict = live_.HotkeyConflicts;
    if (live_.ConflictText.empty()) return true;
    Message(live_.ConflictText);
    return false;
}

void SettingModel::FormShow() {
    LoadControls();
    ShowConflicts();
}

void SettingModel::ComDesktopClick(int index) {
    if (index == curDesk_ - 1) return;
    Controls.ComDesktop = curDesk_ - 1;
    if (!ValidIndex(index, static_cast<std::size_t>(desktopCount_))) return;
    const std::string problem = StorePage();
    if (!problem.empty()) {
        Message(problem);
        return;
    }
    ShowPage(index + 1);
}

void SettingModel::FlatButton2Click(const std::string& chosenFile) {
    if (!chosenFile.empty()) Controls.EdtWall = chosenFile;
}

void SettingModel::CheckPassClick(bool ticked) {
    Controls.CheckPass = ticked;
    Controls.PanelDeskEnabled = ticked;
}

void SettingModel::ComEnterHotChange(int index) {
    SettingControls& c = Controls;
    c.ComEnterHot = ValidIndex(index, ComEnterHotItems.size()) ? index : -1;
    if (c.ComEnterHot < 0) return;
    const std::int32_t key = engine::DesktopKeyAt(index);
    const std::string& item = ComEnterHotItems[static_cast<std::size_t>(index)];
    for (int n = 1; n <= desktopCount_; ++n) {
        if (n != curDesk_ && copy_.Desktop(n).DesktopHot == key) {
            Message("This HotKey[" + item + "] is in use");
            c.ComEnterHot = DesktopItemOf(copy_.Desktop(curDesk_).DesktopHot);
            return;
        }
    }
    ShowMoveAndCopyKeys(index);
}

void SettingModel::ComMainClick(int index) {
    ChooseCommandHotkey(index, engine::MainWindowKeys(), Controls.ComMain, copy_.ControlHot1, copy_.ControlHot2);
}

void SettingModel::ComParaClick(int index) {
    ChooseCommandHotkey(index, engine::SettingsKeys(), Controls.ComPara, copy_.Setting1, copy_.Setting2);
}

// An equal pair is only pointed out here; the test registration on OK
// refuses it.
void SettingModel::ComRecordClick(int index) {
    if (ChooseCommandHotkey(index, engine::RecordPlayKeys(), Controls.ComRecord, copy_.Record1, copy_.Record2) &&
        SameRecordAndPlayKeys(copy_)) {
        Message("HotKey Conflict with Begin/Stop Play\r\nPlease Select Another HotKey!");
    }
}

void SettingModel::ComPlayClick(int index) {
    if (ChooseCommandHotkey(index, engine::RecordPlayKeys(), Controls.ComPlay, copy_.Play1, copy_.Play2) &&
        SameRecordAndPlayKeys(copy_)) {
        Message("HotKey Conflict with Begin/Stop Record\r\nPlease Select Another HotKey!");
    }
}

void SettingModel::EdtMainPassChange(PasswordField field, const std::string& text) {
    if (field == PasswordField::Main) {
        Controls.EdtMainPass = text;
        copy_.ControlPassword = text;
    } else {
        Controls.EdtSettingPass = text;
        copy_.SettingPassword = text;
    }
}

void SettingModel::CheckSystemClick(bool ticked) {
    Controls.CheckSystem = ticked;
    copy_.UseControlPassword = ticked;
}

void SettingModel::CheckExitMainClick(bool ticked) {
    Controls.CheckExitMain = ticked;
    copy_.ExitMainWindow = ticked;
}

void SettingModel::CheckThreeClick(CommonCheck box, bool ticked) {
    switch (box) {
        case CommonCheck::AutoRun: Controls.CheckAutoRun = copy_.AutoRun = ticked; break;
        case CommonCheck::RecordHint: Controls.CheckSaveIni = copy_.RecordHint = ticked; break;
        case CommonCheck::ShowHelp: Controls.CheckHelp = copy_.ShowHelp = ticked; break;
        case CommonCheck::ShowIcon: Controls.CheckHide = copy_.ShowIcon = ticked; break;
    }
}

void SettingModel::SPMaxSizeChange(const std::string& text) {
    Controls.SPMaxSize = SpinValue(text);
    copy_.MaxSize = Controls.SPMaxSize;
}

bool SettingModel::FlatButton3Click() {
    if (const std::string problem = StorePage(); !problem.empty()) {
        Message(problem);
        return false;
    }
    TryRegisterHotkeys();
    if (!ShowConflicts()) return false;
    if (const auto failure = StoreCopy()) {
        Message(failure->message);
        if (failure->desktop != curDesk_) ShowPage(failure->desktop);
        return false;
    }
    return true;
}

std::uint32_t SettingModel::LabHotColour(int group) const {
    return ValidIndex(group, Controls.LabHotConflict.size()) && Controls.LabHotConflict[static_cast<std::size_t>(group)]
               ? kConflictColour
               : kNormalColour;
}

void SettingModel::Message(const std::string& text) { prompt_.Ask(text, false, {}); }

// The opener has unregistered the live hotkeys so that the copy's can use
// the same ids; they are given up again at once.
void SettingModel::TryRegisterHotkeys() {
    engine::RegisterHotkeySet(live_, system_.hotkeys, live_.MainWindowHandle, HotkeysOf(copy_));
    engine::UnregisterHotkeys(system_.hotkeys, live_.MainWindowHandle);
}

void SettingModel::ShowMoveAndCopyKeys(int item) {
    if (item < 0) {
        Controls.EdtMove.clear();
        Controls.EdtCopy.clear();
        return;
    }
    const std::string& text = ComEnterHotItems[static_cast<std::size_t>(item)];
    const std::string keyText = text.substr(text.find('+') + 1);
    Controls.EdtMove = "Ctrl+Alt+" + keyText;
    Controls.EdtCopy = "Alt+" + keyText;
}

void SettingModel::ShowPage(int desktop) {
    curDesk_ = desktop;
    Controls.ComDesktop = desktop - 1;
    LoadPage(desktop);
}

}  // namespace vesk::ui

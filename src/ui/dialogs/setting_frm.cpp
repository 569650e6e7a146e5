#include "ui/dialogs/setting_frm.h"

#include "platform/win32/utf.h"
#include "ui/dialogs/setting_frm_layout.h"
#include "ui/dialogs/setting_frm_file_dialog.h"

namespace vesk::ui {

namespace {

namespace layout = setting_layout;
using platform::win32::Narrow;
using platform::win32::Widen;

constexpr COLORREF kNavy = RGB(0, 0, 128);  // the frames of the two main groups

int Id(SettingId id) { return static_cast<int>(id); }

void Fill(flat::TFlatComboBox& list, const std::vector<std::string>& items) {
    list.Clear();
    for (const std::string& item : items) list.Add(Widen(item));
}

// Only a real change is written: rewriting an edit's text moves its caret and
// reports a change.
void ShowText(flat::FlatControl& control, const std::string& text) {
    const std::wstring wide = Widen(text);
    if (control.Text() != wide) control.SetText(wide);
}

}  // namespace

TSettingFrm::TSettingFrm(HINSTANCE instance, engine::TControlDesktop& live, platform::Services& system,
                         std::optional<platform::DisplayScale> scale)
    : SkinnedDialog(instance, L"TSettingFrm", L"Vesk Setting", layout::kWidth, layout::kHeight, scale),
      prompt_(instance, &titlePicture_, scale),
      model_(live, system, prompt_),
      Label1(hwnd(), L"Desktop", layout::Label1),
      ComDesktop(hwnd(), layout::ComDesktop, Id(SettingId::ComDesktop), layout::kDesktopDropHeight),
      BtnName(hwnd(), L"\x2026", layout::BtnName, Id(SettingId::BtnName)),
      Label3(hwnd(), L"WallStyle", layout::Label3),
      ComTileWall(hwnd(), layout::ComTileWall, Id(SettingId::ComTileWall)),
      Label2(hwnd(), L"WallPaper", layout::Label2),
      EdtWall(hwnd(), layout::EdtWall, Id(SettingId::EdtWall)),
      FlatButton2(hwnd(), L">>>", layout::FlatButton2, Id(SettingId::FlatButton2)),
      LabHot0(hwnd(), L"Enter Desktop", layout::LabHot0, Id(SettingId::LabHot0)),
      ComEnterHot(hwnd(), layout::ComEnterHot, Id(SettingId::ComEnterHot), layout::kKeysDropHeight),
      LabHot12(hwnd(), L"Move Window", layout::LabHot12),
      EdtMove(hwnd(), layout::EdtMove, Id(SettingId::EdtMove), ES_READONLY),
      LabHot13(hwnd(), L"Copy Window", layout::LabHot13),
      EdtCopy(hwnd(), layout::EdtCopy, Id(SettingId::EdtCopy), ES_READONLY),
      CheckPass(hwnd(), L"Password", layout::CheckPass, Id(SettingId::CheckPass)),
      EdtPass(hwnd(), layout::EdtPass, Id(SettingId::EdtPass), ES_PASSWORD),
      CheckEnter(hwnd(), L"For Enter Desktop", layout::CheckEnter, Id(SettingId::CheckEnter)),
      CheckExit(hwnd(), L"For Exit Desktop", layout::CheckExit, Id(SettingId::CheckExit)),
      CheckIcons(hwnd(), L"Show DeskIcon", layout::CheckIcons, Id(SettingId::CheckIcons)),
      CheckTray(hwnd(), L"Show TaskBar", layout::CheckTray, Id(SettingId::CheckTray)),
      CheckMusic(hwnd(), L"Use Music", layout::CheckMusic, Id(SettingId::CheckMusic)),
      LabHot1(hwnd(), L"HotKey", layout::LabHot1, Id(SettingId::LabHot1)),
      ComMain(hwnd(), layout::ComMain, Id(SettingId::ComMain)),
      Label8(hwnd(), L"Password", layout::Label8),
      EdtMainPass(hwnd(), layout::EdtMainPass, Id(SettingId::EdtMainPass), ES_PASSWORD),
      CheckSystem(hwnd(), L"For ShutDown System", layout::CheckSystem, Id(SettingId::CheckSystem)),
      Label12(hwnd(), L" Reboot System/Password", layout::Label12),
      CheckExitMain(hwnd(), L"For Exit Main Window", layout::CheckExitMain, Id(SettingId::CheckExitMain)),
      LabHot2(hwnd(), L"HotKey", layout::LabHot2, Id(SettingId::LabHot2)),
      ComPara(hwnd(), layout::ComPara, Id(SettingId::ComPara)),
      Label10(hwnd(), L"Password", layout::Label10),
      EdtSettingPass(hwnd(), layout::EdtSettingPass, Id(SettingId::EdtSettingPass), ES_PASSWORD),
      LabHot3(hwnd(), L"Begin/Stop Record", layout::LabHot3, Id(SettingId::LabHot3)),
      LabHot4(hwnd(), L"Begin/Stop Play", layout::LabHot4, Id(SettingId::LabHot4)),
      ComRecord(hwnd(), layout::ComRecord, Id(SettingId::ComRecord)),
      ComPlay(hwnd(), layout::ComPlay, Id(SettingId::ComPlay)),
      CheckHelp(hwnd(), L"Show Tips When Start", layout::CheckHelp, Id(SettingId::CheckHelp)),
      CheckAutoRun(hwnd(), L"AutoRunning", layout::CheckAutoRun, Id(SettingId::CheckAutoRun)),
      CheckHide(hwnd(), L"Show Icon In TaskBar", layout::CheckHide, Id(SettingId::CheckHide)),
      CheckSaveIni(hwnd(), L"Record Hint ", layout::CheckSaveIni, Id(SettingId::CheckSaveIni)),
      Label4(hwnd(), L"Record File MaxSize", layout::Label4),
      SPMaxSize(hwnd(), layout::SPMaxSize, kMaxSizeLowest, kMaxSizeHighest, 2048, Id(SettingId::SPMaxSize)),
      Label5(hwnd(), L"KB", layout::Label5),
      FlatButton3(hwnd(), L"&OK", layout::FlatButton3, Id(SettingId::FlatButton3)),
      FlatButton4(hwnd(), L"&Cancel", layout::FlatButton4, Id(SettingId::FlatButton4)),
      FlatGroupBox2(hwnd(), L"Hot Key", layout::FlatGroupBox2),
      PanelDesk(hwnd(), layout::PanelDesk, flat::ColorFace, Id(SettingId::PanelDesk)),
      FlatGroupBox1(hwnd(), L"--------------------About Each Desktop ", layout::FlatGroupBox1, 0, kNavy),
      FlatGroupBox4(hwnd(), L"About Main Window", layout::FlatGroupBox4),
      FlatGroupBox5(hwnd(), L"About Setting Window", layout::FlatGroupBox5),
      FlatGroupBox6(hwnd(), L"About Record HotKey", layout::FlatGroupBox6),
      FlatGroupBox3(hwnd(), L"--------------------Common", layout::FlatGroupBox3, 0, kNavy),
      hints_(hwnd()) {
    PlaceAt(layout::kLeft, layout::kTop);
    Fill(ComDesktop, model_.ComDesktopItems);
    Fill(ComTileWall, model_.ComTileWallItems);
    Fill(ComMain, model_.ComMainItems);
    Fill(ComPara, model_.ComParaItems);
    Fill(ComRecord, model_.ComRecordItems);
    Fill(ComPlay, model_.ComPlayItems);
    EdtPass.SetPasswordChar(L'*');
    EdtMainPass.SetPasswordChar(L'*');
    EdtSettingPass.SetPasswordChar(L'*');
    BindHandlers();
    AddHints();
}

void TSettingFrm::Prepare(const image::RgbImage* titleImage) {
    PaintTitleStrip(titleImage);
    titlePicture_ = TitlePicture();
    Fill(ComEnterHot, model_.ComEnterHotItems);
}

void TSettingFrm::BindHandlers() {
    ComDesktop.OnChange = [this] { Handle([this] { model_.ComDesktopClick(ComDesktop.ItemIndex()); }); };
    FlatButton2.OnClick = [this] { FlatButton2Click(); };
    BtnName.OnClick = [this] { BtnNameClick(); };
    CheckPass.OnClick = [this] { Handle([this] { model_.CheckPassClick(CheckPass.Checked()); }); };
    ComEnterHot.OnChange = [this] { Handle([this] { model_.ComEnterHotChange(ComEnterHot.ItemIndex()); }); };

    ComMain.OnChange = [this] { Handle([this] { model_.ComMainClick(ComMain.ItemIndex()); }); };
    ComPara.OnChange = [this] { Handle([this] { model_.ComParaClick(ComPara.ItemIndex()); }); };
    ComRecord.OnChange = [this] { Handle([this] { model_.ComRecordClick(ComRecord.ItemIndex()); }); };
    ComPlay.OnChange = [this] { Handle([this] { model_.ComPlayClick(ComPlay.ItemIndex()); }); };
    EdtMainPass.OnChange = [this] {
        Handle([this] { model_.EdtMainPassChange(PasswordField::Main, Narrow(EdtMainPass.Text())); });
    };
    EdtSettingPass.OnChange = [this] {
        Handle([this] { model_.EdtMainPassChange(PasswordField::Setting, Narrow(EdtSettingPass.Text())); });
    };
    CheckSystem.OnClick = [this] { Handle([this] { model_.CheckSystemClick(CheckSystem.Checked()); }); };
    CheckExitMain.OnClick = [this] { Handle([this] { model_.CheckExitMainClick(CheckExitMain.Checked()); }); };
    const auto bindThree = [this](flat::TFlatCheckBox& box, CommonCheck tag) {
        box.OnClick = [this, &box, tag] { Handle([this, &box, tag] { model_.CheckThreeClick(tag, box.Checked()); }); };
    };
    bindThree(CheckAutoRun, CommonCheck::AutoRun);
    bindThree(CheckSaveIni, CommonCheck::RecordHint);
    bindThree(CheckHelp, CommonCheck::ShowHelp);
    bindThree(CheckHide, CommonCheck::ShowIcon);
    SPMaxSize.SetIncrement(10);
    SPMaxSize.OnChange = [this] { Handle([this] { model_.SPMaxSizeChange(Narrow(SPMaxSize.Text())); }); };

    FlatButton3.OnClick = [this] { FlatButton3Click(); };
    FlatButton4.OnClick = [this] { EndModal(kModalCancel); };
}

void TSettingFrm::AddHints() {
    hints_.Add(BtnName.hwnd(), L"Name this desktop");
    hints_.Add(LabHot12.hwnd(), L"Cut Window From other Desktop");
    hints_.Add(LabHot13.hwnd(), L"Copy Window From other Desktop");
    hints_.Add(CheckMusic.hwnd(), L"For Control System Volume ");
    hints_.Add(LabHot1.hwnd(), L"Show/Hide Main Window ");
    hints_.Add(Label8.hwnd(), L"For Enter Main Window if Not Null");
    hints_.Add(LabHot2.hwnd(), L"Enter This Setting Window");
    hints_.Add(Label10.hwnd(), L"For Enter this Setting window");
    hints_.Add(FlatGroupBox6.hwnd(), L"For Record Keyboard and Mouse Event");
    hints_.Add(CheckHide.hwnd(), L"Main Window Hide in TaskBar or Not");
    hints_.Add(CheckAutoRun.hwnd(), L"If this software start wher Window Started");
    hints_.Add(CheckSaveIni.hwnd(), L"If Show Record Hint or Not");
}

// The controls are shown before the pending conflict message, so that the
// prompt stands in front of the filled dialog.
void TSettingFrm::FormShow() {
    model_.LoadControls();
    ShowControls();
    CheckHide.Focus();
    if (!model_.ShowConflicts()) ShowControls();
}

void TSettingFrm::Handle(const std::function<void()>& handler) {
    if (showingControls_) return;
    TakePageControls();
    handler();
    ShowControls();
}

void TSettingFrm::TakePageControls() {
    SettingControls& c = model_.Controls;
    c.EdtWall = Narrow(EdtWall.Text());
    c.ComTileWall = ComTileWall.ItemIndex();
    c.EdtPass = Narrow(EdtPass.Text());
    c.CheckEnter = CheckEnter.Checked();
    c.CheckExit = CheckExit.Checked();
    c.CheckIcons = CheckIcons.Checked();
    c.CheckTray = CheckTray.Checked();
    c.CheckMusic = CheckMusic.Checked();
}

void TSettingFrm::ShowControls() {
    showingControls_ = true;
    const SettingControls& c = model_.Controls;
    ComDesktop.SetItemIndex(c.ComDesktop);
    ShowText(EdtWall, c.EdtWall);
    ComTileWall.SetItemIndex(c.ComTileWall);
    CheckPass.SetChecked(c.CheckPass);
    // The panel holds nothing itself: what lies on it follows its state.
    flat::FlatControl* const onPanelDesk[] = {&PanelDesk, &EdtPass, &CheckEnter, &CheckExit};
    for (flat::FlatControl* control : onPanelDesk) control->SetEnabled(c.PanelDeskEnabled);
    ShowText(EdtPass, c.EdtPass);
    CheckEnter.SetChecked(c.CheckEnter);
    CheckExit.SetChecked(c.CheckExit);
    ComEnterHot.SetItemIndex(c.ComEnterHot);
    ShowText(EdtMove, c.EdtMove);
    ShowText(EdtCopy, c.EdtCopy);
    CheckIcons.SetChecked(c.CheckIcons);
    CheckTray.SetChecked(c.CheckTray);
    CheckMusic.SetChecked(c.CheckMusic);

    ComMain.SetItemIndex(c.ComMain);
    ComPara.SetItemIndex(c.ComPara);
    ComRecord.SetItemIndex(c.ComRecord);
    ComPlay.SetItemIndex(c.ComPlay);
    ShowText(EdtMainPass, c.EdtMainPass);
    ShowText(EdtSettingPass, c.EdtSettingPass);
    CheckSystem.SetChecked(c.CheckSystem);
    CheckExitMain.SetChecked(c.CheckExitMain);
    CheckHelp.SetChecked(c.CheckHelp);
    CheckHide.SetChecked(c.CheckHide);
    CheckAutoRun.SetChecked(c.CheckAutoRun);
    CheckSaveIni.SetChecked(c.CheckSaveIni);
    // Text that is no number yet (the user is typing) reads as the value it
    // stands for and is left alone.
    if (SPMaxSize.Value() != c.SPMaxSize) SPMaxSize.SetValue(c.SPMaxSize);

    HotkeyGroupLabel* const groupLabels[] = {&LabHot0, &LabHot1, &LabHot2, &LabHot3, &LabHot4};
    for (int group = 0; group < engine::kHotkeyGroupCount; ++group) {
        groupLabels[group]->SetBackground(model_.LabHotColour(group));
    }
    showingControls_ = false;
}

void TSettingFrm::FlatButton2Click() {
    const std::string chosen = AskWallpaperFile(hwnd(), kWallpaperFilter);
    Handle([this, &chosen] { model_.FlatButton2Click(chosen); });
}

void TSettingFrm::BtnNameClick() {
    const std::string question = "Name of Vesk " + std::to_string(model_.CurDesk()) + ":";
    const auto name = prompt_.AskText(question, model_.DesktopName(), static_cast<int>(engine::kLongestDesktopName));
    if (!name) return;
    Handle([this, &name] { model_.RenameDesktop(*name); });
    Fill(ComDesktop, model_.ComDesktopItems);
    ComDesktop.SetItemIndex(model_.Controls.ComDesktop);
}

void TSettingFrm::FlatButton3Click() {
    bool stored = false;
    Handle([this, &stored] { stored = model_.FlatButton3Click(); });
    if (stored) EndModal(kModalOk);
}

bool RunSettingsDialog(HINSTANCE instance, HWND owner, const image::RgbImage* dialogImage,
                       engine::TControlDesktop& live, platform::Services& system) {
    TSettingFrm dialog(instance, live, system);
    if (!dialog.hwnd()) return false;
    // Owned, the dialog hands the activation back to its opener when it goes.
    if (owner) SetWindowLongPtrW(dialog.hwnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    dialog.Prepare(dialogImage);
    dialog.LoadCopy();
    return dialog.ShowModal() == kModalOk;
}

}  // namespace vesk::ui

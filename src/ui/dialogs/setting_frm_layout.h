#pragma once
#include "ui/flat/flat_control.h"

// Where the settings dialog's controls lie, in 96-DPI reference pixels of the
// client area of the 364 x 438 dialog. The widths leave room for the widest
// texts of the lists in the fonts that stand in for the system's dialog font
// (Tahoma, or DejaVu Sans under Wine), about 11 pixels high, and for those
// fonts grown with the scale, where they grow a little more than the boxes.
namespace vesk::ui::setting_layout {

using flat::Bounds;

inline constexpr int kWidth = 364;
inline constexpr int kHeight = 438;
inline constexpr int kLeft = 281;  // screen pixels
inline constexpr int kTop = 28;    // screen pixels

inline constexpr int kDesktopDropHeight = 150;  // 9 items
inline constexpr int kKeysDropHeight = 240;     // 44 items, scrolled

// "About Each Desktop".
inline constexpr Bounds FlatGroupBox1{4, 23, 356, 166};
inline constexpr Bounds Label1{10, 41, 58, 14};
inline constexpr Bounds ComDesktop{70, 38, 100, 20};
// The desktop's name: a narrow button in the gap after the desktop list.
inline constexpr Bounds BtnName{172, 38, 12, 20};
inline constexpr Bounds Label3{186, 41, 54, 14};
inline constexpr Bounds ComTileWall{242, 38, 112, 20};
inline constexpr Bounds Label2{10, 64, 58, 14};
inline constexpr Bounds EdtWall{70, 61, 248, 20};
inline constexpr Bounds FlatButton2{322, 61, 32, 20};
inline constexpr Bounds FlatGroupBox2{10, 84, 212, 82};
inline constexpr Bounds LabHot0{16, 102, 82, 14};  // as wide as its text, up to the list
inline constexpr Bounds ComEnterHot{98, 99, 118, 20};
inline constexpr Bounds LabHot12{16, 124, 80, 14};
inline constexpr Bounds EdtMove{98, 121, 118, 20};
inline constexpr Bounds LabHot13{16, 146, 80, 14};
inline constexpr Bounds EdtCopy{98, 143, 118, 20};
inline constexpr Bounds CheckPass{228, 86, 126, 16};
inline constexpr Bounds PanelDesk{228, 104, 126, 62};
inline constexpr Bounds EdtPass{233, 108, 116, 20};
inline constexpr Bounds CheckEnter{233, 130, 119, 16};
inline constexpr Bounds CheckExit{233, 147, 119, 16};
inline constexpr Bounds CheckIcons{10, 169, 112, 16};
inline constexpr Bounds CheckTray{126, 169, 112, 16};
inline constexpr Bounds CheckMusic{242, 169, 112, 16};

// "Common".
inline constexpr Bounds FlatGroupBox3{4, 192, 356, 213};
inline constexpr Bounds FlatGroupBox4{10, 206, 344, 63};
inline constexpr Bounds LabHot1{15, 224, 54, 14};
inline constexpr Bounds ComMain{71, 221, 110, 20};
inline constexpr Bounds Label8{15, 246, 54, 14};
inline constexpr Bounds EdtMainPass{71, 243, 110, 20};
inline constexpr Bounds CheckSystem{186, 221, 160, 16};
inline constexpr Bounds Label12{199, 236, 150, 13};  // the second line of CheckSystem's caption
inline constexpr Bounds CheckExitMain{186, 250, 160, 16};
inline constexpr Bounds FlatGroupBox5{10, 272, 344, 39};
inline constexpr Bounds LabHot2{15, 290, 54, 14};
inline constexpr Bounds ComPara{71, 287, 124, 20};
inline constexpr Bounds Label10{201, 290, 54, 14};
inline constexpr Bounds EdtSettingPass{257, 287, 92, 20};
inline constexpr Bounds FlatGroupBox6{10, 314, 344, 52};
inline constexpr Bounds LabHot3{15, 329, 160, 14};
inline constexpr Bounds LabHot4{186, 329, 160, 14};
inline constexpr Bounds ComRecord{15, 343, 164, 20};
inline constexpr Bounds ComPlay{186, 343, 163, 20};
inline constexpr Bounds CheckHelp{10, 369, 170, 16};
inline constexpr Bounds CheckAutoRun{186, 369, 160, 16};
inline constexpr Bounds CheckHide{10, 386, 170, 16};
inline constexpr Bounds CheckSaveIni{186, 386, 160, 16};

// Below the groups.
inline constexpr Bounds Label4{10, 415, 114, 14};
inline constexpr Bounds SPMaxSize{126, 412, 58, 20};
inline constexpr Bounds Label5{188, 415, 18, 14};
inline constexpr Bounds FlatButton3{214, 410, 68, 24};
inline constexpr Bounds FlatButton4{286, 410, 68, 24};

}  // namespace vesk::ui::setting_layout

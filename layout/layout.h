// Design settings of every board element: place, size, text style, cursor.
// One table, read by the engine (initial element state), the screens (widget
// placement) and the artwork generator (painted faces under the click areas).
// All values are pixels of the parent's inside; colours are 0xRRGGBB.
#pragma once

#include <cstdint>

namespace layout {

struct Rect {
    int left, top, width, height;
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
};

enum class Align { Left, Centre, Right };

// Face names as the screens ask for them; start-up maps them to shipped fonts.
inline constexpr const char *kDisplayFace = "HY견고딕";
inline constexpr const char *kPlainFace = "굴림";

struct TextStyle {
    const char *face;
    double points;
    bool bold;
    std::uint32_t colour;  // 0xRRGGBB
    Align align;
};

inline constexpr std::uint32_t kBlue = 0x0000FF;
inline constexpr std::uint32_t kScoreBrown = 0xC04000;
inline constexpr std::uint32_t kTeamRed = 0xC00000;    // team 0
inline constexpr std::uint32_t kTeamGreen = 0x008000;  // team 1
inline constexpr std::uint32_t kHintBrown = 0x804000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;

inline constexpr int kClientWidth = 1024;
inline constexpr int kClientHeight = 768;

// ---- start screen (client area 638 x 478, picture 640 x 480) ----
namespace splash {
inline constexpr int kClientWidth = 638;
inline constexpr int kClientHeight = 478;
inline constexpr int kPictureWidth = 640;
inline constexpr int kPictureHeight = 480;
inline constexpr Rect Command1{36, 330, 179, 61};   // "1팀용 (9칸)"
inline constexpr Rect Command2{378, 332, 179, 61};  // "2팀용 (9칸)"
// The quiz-set bar: the whole bar is one click area that opens SetPanel. The
// program writes the set's name into SetName; the rest is painted.
inline constexpr Rect SetBar{112, 234, 414, 52};
inline constexpr Rect SetLabel{120, 242, 92, 36};        // painted "퀴즈 세트"
inline constexpr Rect SetName{220, 240, 204, 40};        // the name, drawn at run time
inline constexpr TextStyle SetNameStyle{kDisplayFace, 17, false, 0x7A3E08, Align::Left};
inline constexpr Rect SetChange{430, 242, 88, 36};       // painted "바꾸기"
inline constexpr Rect Girl{262, 294, 114, 140};

// The quiz-set panel over the start screen (its picture is SetPanel's size);
// places below are inside the panel.
inline constexpr Rect SetPanel{20, 18, 598, 442};
inline constexpr Rect SetList{22, 66, 328, 352};         // the list of sets, a widget
inline constexpr int kSetButtonCount = 7;
inline constexpr const char *kSetButtonText[kSetButtonCount] = {
    "이 세트로 하기", "새로 만들기", "이름 바꾸기", "지우기", "내보내기", "가져오기", "닫기"};
constexpr Rect setButton(int k)
{
    return Rect{370, 66 + 51 * k, 206, 44};
}
}  // namespace splash

// ---- elements common to both boards (parent: the window unless noted) ----

// Game balls at design; the layout step later moves boxes 0-8 (see kGBoxRun*).
inline constexpr Rect GBox[10] = {
    {34, 650, 80, 80},  {130, 650, 80, 80}, {228, 650, 80, 80}, {324, 650, 80, 80},
    {422, 652, 80, 80}, {518, 652, 80, 80}, {618, 652, 80, 80}, {718, 650, 80, 80},
    {818, 650, 80, 80}, {912, 652, 80, 80}};
inline constexpr int kGBoxRunWidth = 100;
inline constexpr int kGBoxRunTop = 670;
constexpr Rect gboxAtRun(int i)
{
    return i == 9 ? GBox[9] : Rect{100 * i + 8, kGBoxRunTop, kGBoxRunWidth, GBox[i].height};
}

inline constexpr Rect Command5{804, 372, 175, 59};  // "시 작"
inline constexpr Rect Command1{804, 452, 175, 59};  // "정 답" (reveal)
inline constexpr Rect Command2{804, 542, 175, 59};  // "종 료"

inline constexpr Rect Img_SRC{34, 40, 743, 589};
inline constexpr Rect Label2{456, 568, 133, 37};  // in Img_SRC; measures the caption
inline constexpr TextStyle Label2Style{kDisplayFace, 27.75, false, 0x000000, Align::Left};
inline constexpr Rect Image1{590, 508, 145, 79};  // in Img_SRC
inline constexpr Rect Label4{828, -18, 185, 63};

// Cells: design places; Set_Cubix lays the real grid over Img_SRC.
inline constexpr Rect Cubix[9] = {
    {34, 38, 241, 192},  {282, 32, 241, 192},  {524, 38, 241, 192},
    {30, 234, 241, 192}, {290, 228, 241, 192}, {528, 228, 241, 192},
    {32, 426, 241, 192}, {288, 424, 241, 192}, {536, 422, 241, 192}};
inline constexpr Rect Cover_Cubix{4, 6, 237, 183};   // in the tile, at run time
inline constexpr Rect Cubix_Number{90, 44, 61, 96};  // in the tile
inline constexpr Rect Cubix_Number0{92, 44, 61, 96};
inline constexpr TextStyle Cubix_NumberStyle{kDisplayFace, 72, false, 0x000000, Align::Centre};
inline constexpr Rect Cubix_Icon{70, 46, 100, 100};  // in the tile, at run time
inline constexpr Rect Cubix_IMG{992, 578, 244, 194};

// Pop-up panels at run time (the layout step's places).
inline constexpr int kPicQuizRunLeft = 80, kPicQuizRunTop = 80;
inline constexpr int kPicBingoRunLeft = 160, kPicBingoRunTop = 70;
inline constexpr int kPicScoreRunLeft = 140, kPicScoreRunTop = 60;

inline constexpr Rect Pic_Bingo{-422, -454, 502, 502};
inline constexpr Rect Pic_Score{-390, -442, 523, 521};
inline constexpr Rect Label5{0, 0, 519, 517};  // in Pic_Score, whole-panel click area

// Question panel children shared by both boards (in Pic_Quiz).
inline constexpr Rect Label9{356, 20, 241, 37};
inline constexpr TextStyle Label9Style{kDisplayFace, 27.75, false, kBlue, Align::Right};
inline constexpr TextStyle Label8Style{kDisplayFace, 27.75, false, kBlue, Align::Centre};  // wraps
inline constexpr TextStyle Text1Style{kDisplayFace, 36, false, kBlue, Align::Centre};
inline constexpr Rect Pic_Right{174, 54, 303, 303};
inline constexpr std::uint32_t Pic_RightBackground = 0x8080FF;
inline constexpr Rect Pic_Wrong{174, 56, 301, 299};

// Host controls and signs of both boards (in the window unless noted).
inline constexpr Rect Label_StartOver{804, 612, 175, 32};   // "처음부터"
inline constexpr Rect Label_Pause{222, 284, 367, 100};      // "일시정지" over the play area
inline constexpr TextStyle PauseStyle{kDisplayFace, 48, false, 0xC00000, Align::Centre};
inline constexpr Rect Label_Mute{880, 6, 130, 28};          // "소리 꺼짐"
inline constexpr TextStyle SignStyle{kDisplayFace, 14, false, 0x404040, Align::Centre};
inline constexpr Rect Pic_Help{112, 100, 800, 420};         // the key table (F1)
inline constexpr Rect Label_Help{30, 20, 740, 380};         // in Pic_Help
inline constexpr TextStyle HelpStyle{kDisplayFace, 19, false, 0x000000, Align::Left};
inline constexpr Rect Pic_Ask{212, 244, 600, 230};          // a question to the host
inline constexpr Rect Label_Ask{20, 18, 560, 120};          // in Pic_Ask
inline constexpr TextStyle AskStyle{kDisplayFace, 20, false, kBlue, Align::Centre};
inline constexpr Rect Label_Ask_Yes{130, 150, 150, 54};     // "예", in Pic_Ask
inline constexpr Rect Label_Ask_No{320, 150, 150, 54};      // "아니오", in Pic_Ask
inline constexpr TextStyle ButtonStyle{kDisplayFace, 16, false, 0x000000, Align::Centre};

inline constexpr int kTimer1Ms = 1000;  // one-team clock
inline constexpr int kTimer2Ms = 50;    // panel slide
inline constexpr int kTimer3Ms = 500;   // close panel after a verdict
inline constexpr int kTimer4Ms = 1000;  // bingo picture
inline constexpr int kTimer5Ms = 2000;  // played cells come back

inline constexpr int kHandHotX = 6, kHandHotY = 0;

// ---- one-team board ----
namespace one {
inline constexpr Rect Label3{798, 152, 181, 47};  // clock, "60초"
inline constexpr TextStyle Label3Style{kDisplayFace, 36, false, kBlue, Align::Centre};
inline constexpr Rect Time_Up{966, 146, 23, 29};
inline constexpr Rect Command4{966, 174, 23, 29};
inline constexpr Rect Label1{782, 270, 223, 65};  // score
inline constexpr TextStyle Label1Style{kDisplayFace, 36, false, kScoreBrown, Align::Centre};
inline constexpr Rect Img_Win{40, 702, 100, 100};
inline constexpr Rect Img_Lose{204, 696, 100, 100};

inline constexpr Rect Pic_Quiz{62, 78, 641, 521};  // picture 640 x 520
inline constexpr Rect Label8{48, 78, 543, 239};
inline constexpr Rect Text1{32, 372, 429, 51};     // answer label
inline constexpr Rect Command3{468, 360, 139, 71};  // "정답"
inline constexpr Rect Label7{40, 444, 105, 53};     // "성공"
inline constexpr Rect Label10{486, 446, 105, 53};   // "실패"

inline constexpr Rect Label6{294, 54, 229, 113};  // in Pic_Score
inline constexpr TextStyle Label6Style{kPlainFace, 72, true, kBlue, Align::Centre};

// Clock box and score box of the background (faces under Label3 and Label1).
inline constexpr Rect ClockBox{784, 100, 221, 112};
inline constexpr Rect ScoreBox{782, 262, 223, 81};
}  // namespace one

// ---- two-team board ----
namespace two {
inline constexpr Rect Label3{792, 606, 181, 47};  // hidden, never shown
inline constexpr Rect Time_Up{960, 600, 23, 29};
inline constexpr Rect Command4{960, 628, 23, 29};
inline constexpr Rect Img_Win[2] = {{28, 702, 100, 100}, {284, 730, 100, 100}};
inline constexpr Rect Pic_Bingo{-414, -392, 502, 502};

inline constexpr Rect Shape1{790, 36, 215, 99};
inline constexpr Rect Shape2{790, 146, 215, 99};
inline constexpr Rect Img_Team[4] = {
    {790, 36, 100, 100}, {790, 144, 100, 100},  // on the board
    {292, 104, 100, 100}, {292, 10, 100, 100}};  // on Pic_Score: (2) team 1, (3) team 0
inline constexpr Rect Label_Team_Score[4] = {
    {884, 52, 115, 65}, {884, 162, 119, 63},    // on the board
    {388, 124, 119, 63}, {388, 30, 115, 65}};   // on Pic_Score: (2) team 1, (3) team 0
inline constexpr TextStyle TeamScoreStyle[2] = {
    {kDisplayFace, 48, false, kTeamRed, Align::Centre},
    {kDisplayFace, 48, false, kTeamGreen, Align::Centre}};

inline constexpr Rect Pic_Quiz{108, 78, 641, 483};  // picture 640 x 480
inline constexpr Rect Label8{46, 72, 543, 239};
inline constexpr Rect Label1{142, 342, 425, 21};  // "아래에 정답을 입력하세요"
inline constexpr TextStyle Label1Style{kPlainFace, 12, false, kHintBrown, Align::Left};
inline constexpr Rect Text1{54, 380, 387, 53};     // answer box
inline constexpr Rect Command3{470, 374, 139, 71};  // "정답"
inline constexpr Rect SELECT_IMG{-2, 288, 100, 100};
inline constexpr Rect Label7{10, 448, 105, 53};     // no face, no event
inline constexpr Rect Label10{104, 450, 105, 53};

inline constexpr Rect Pic_Score{40, 204, 523, 521};

inline constexpr Rect Pic_Sel{224, 0, 475, 199};
inline constexpr Rect Label14{2, 14, 469, 47};
inline constexpr TextStyle Label14Style{kDisplayFace, 27.75, false, kBlue, Align::Centre};
inline constexpr Rect Label_Sel_Team[2] = {{10, 74, 213, 107}, {244, 74, 213, 107}};
inline constexpr Rect Image4{64, 78, 100, 100};
inline constexpr Rect Image5{302, 78, 100, 100};
inline constexpr Rect Shape3{12, 76, 211, 105};
inline constexpr Rect Shape4{242, 76, 217, 105};
inline constexpr Rect Label_Mode{443, 390, 26, 34};       // "한" or "A", in Pic_Quiz
inline constexpr TextStyle ModeStyle{kDisplayFace, 15, true, kBlue, Align::Centre};
inline constexpr Rect Label_Overrule{606, 450, 28, 26};    // the host's "right anyway", in Pic_Quiz
inline constexpr Rect Label_Winner{8, 28, 300, 76};        // in Pic_Score, above "점수는"
inline constexpr TextStyle WinnerStyle{kDisplayFace, 28, false, kBlue, Align::Centre};
inline constexpr int kTimer1Ms = 500;  // turn-marker pulse
}  // namespace two

}  // namespace layout

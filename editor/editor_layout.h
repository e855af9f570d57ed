// Design settings of the quiz editor "FrmInput" and its picture store: place,
// size, text style and colour of every element. Pixels of the parent's inside;
// colours are 0xRRGGBB. The window is fixed, so this table is the whole layout.
#pragma once

#include <cstdint>

namespace editor_layout {

struct Box {
    int x, y, width, height;
    constexpr int bottom() const { return y + height; }
};

struct Font {
    double points;
    bool bold;
};

inline constexpr const char *kFace = "굴림";  // every text of the editor

inline constexpr std::uint32_t kWindowColour = 0xC0C0FF;  // 0x00FFC0C0 as BBGGRR
inline constexpr std::uint32_t kBrowseColour = 0xFFC0C0;  // 0x00C0C0FF as BBGGRR
inline constexpr std::uint32_t kCaptionInk = 0x0000FF;    // blue
inline constexpr std::uint32_t kWhite = 0xFFFFFF;

// ---- window ----
inline constexpr int kClientWidth = 852;
inline constexpr int kClientHeight = 593;
inline constexpr const char *kCaption = "번 게임 문제 입력";  // after the game's number
inline constexpr Font kDefaultFont{9, false};

inline constexpr Box Frame7{10, 6, 827, 41};
inline constexpr Box Label13{8, 16, 545, 17};  // in Frame7
inline constexpr const char *kLabel13Text =
    "게임에 들어갈 9문제와 그림을 입력하여 아래의 저장하기 버튼을 클릭하여 주십시오";

inline constexpr Box Shape1{14, 52, 319, 261};  // white outline around the preview
inline constexpr Box Image1{24, 62, 299, 239};  // preview, picture stretched

inline constexpr Box Label1_12{16, 328, 103, 23};
inline constexpr const char *kLabel1_12Text = "내용 설명";
inline constexpr Font kLabel1_12Font{14.25, true};

inline constexpr Box Text1{14, 354, 319, 79};
inline constexpr Font kText1Font{14.25, false};
inline constexpr const char *kText1Design = "교만한 인간들이 하나님께 대적하여 세운 탑";

// How the caption will fit over the board's picture, under the caption box.
inline constexpr Box CaptionFit{14, 435, 319, 17};

inline constexpr Box Command6{18, 454, 309, 53};
inline constexpr const char *kCommand6Text = "그림 찾아보기";
inline constexpr Font kCommand6Font{12, true};

// The scrolling area; only its band from the top to kPicture1VisibleHeight shows.
inline constexpr Box Picture1{338, 44, 473, 707};
inline constexpr int kPicture1VisibleHeight = 486;

// Question frames in Picture1: two a row, frame 9 alone in the last row.
inline constexpr int kFrameWidth = 227;
inline constexpr int kFrameHeight = 127;
inline constexpr int kFrameRowStep = 140;  // one row, and one scroll step
inline constexpr int kFrameTop = 10;
constexpr int frameX(int i) { return i % 2 == 0 ? 6 : 240; }
constexpr int frameY(int i) { return (i / 2) * kFrameRowStep + kFrameTop; }
inline constexpr Font kFrameFont{9, true};
inline constexpr const char *kFrameCaptionSuffix = "번 문제";

// Inside Frame1(i).
inline constexpr Box Label1{6, 18, 43, 17};
inline constexpr const char *kLabel1Text = "문제";
inline constexpr Box qa1{52, 16, 167, 77};
inline constexpr Box Label2{4, 102, 43, 17};
inline constexpr const char *kLabel2Text = "정답";
inline constexpr Font kLabelFont{9.75, true};
inline constexpr Font kQuestionFont{9.75, false};
inline constexpr Box qa_answer1{52, 96, 129, 25};
inline constexpr Font kAnswerFont{11.25, false};
// How the question will fit on the board, beside the answer box.
inline constexpr Box QuestionFit{184, 98, 40, 21};

inline constexpr Box Command4{810, 46, 25, 243};
inline constexpr const char *kCommand4Text = "▲▲▲▲▲▲▲";
inline constexpr Box Command5{810, 288, 25, 243};
inline constexpr const char *kCommand5Text = "▼▼▼▼▼▼▼";

inline constexpr Box Picture2{12, 530, 827, 53};  // white strip
inline constexpr Box Command3{6, 4, 105, 39};     // in Picture2
inline constexpr const char *kCommand3Text = "그림창고";

inline constexpr Box Command2{514, 540, 161, 33};
inline constexpr const char *kCommand2Text = "저장하기";
inline constexpr Box Command1{682, 540, 145, 33};
inline constexpr const char *kCommand1Text = "취소";
inline constexpr Font kSaveCancelFont{12, true};

inline constexpr Box Picture3{286, 562, 553, 75};  // strips in the window colour
inline constexpr Box Picture4{284, -40, 553, 75};

// ---- picture store ----
inline constexpr Box Pic_IMGBOX{8, 4, 835, 583};  // where the layout step puts it
inline constexpr int kThumbSize = 100;
inline constexpr int kThumbColumns = 7;
inline constexpr int kThumbStep = 110;
constexpr Box IB_Img(int i)
{
    return {34 + kThumbStep * (i % kThumbColumns), 22 + kThumbStep * (i / kThumbColumns),
            kThumbSize, kThumbSize};
}

}  // namespace editor_layout

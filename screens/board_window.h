// Opens the board that the start screen chose.
#pragma once

class QWidget;
struct Shared;

// boardKind 1: the one-team board "FrmMain1"; otherwise the two-team board "FrmMain2".
QWidget *createBoardWindow(Shared &s, int boardKind);

// Shows the board as the teacher last left it: full screen, or a window
// centred on the screen.
void showBoardWindow(QWidget *board);

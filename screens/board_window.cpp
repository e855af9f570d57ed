#include "screens/board_window.h"

#include "screens/frm_main1.h"
#include "screens/frm_main2.h"

#include "widgets/window_util.h"

#include <QWidget>

QWidget *createBoardWindow(Shared &s, int boardKind)
{
    BoardView *w = nullptr;
    if (boardKind == 1)
        w = new FrmMain1(s);
    else
        w = new FrmMain2(s);
    w->setAttribute(Qt::WA_DeleteOnClose);
    return w;
}

void showBoardWindow(QWidget *board)
{
    if (auto *view = qobject_cast<BoardView *>(board)) {
        view->showAsRemembered();
        return;
    }
    centreOnScreen(board);
    board->show();
}

#include "board_window.h"

#include "layout.h"
#include "shared_state.h"

#include <QWidget>

QWidget *createBoardWindow(Shared &, int boardKind)
{
    auto *w = new QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setFixedSize(layout::kClientWidth, layout::kClientHeight);
    w->setWindowTitle(boardKind == 1 ? QStringLiteral("도미솔게임 - 1팀용")
                                     : QStringLiteral("도미솔게임 - 2팀용"));
    return w;
}

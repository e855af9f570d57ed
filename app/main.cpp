// 도미솔게임: start-up. The program takes no arguments and reads no settings.
#include "core/paths.h"
#include "core/shared_state.h"
#include "data/datafiles.h"
#include "editor/editor.h"
#include "screens/board_view.h"
#include "screens/board_window.h"
#include "screens/splash.h"
#include "widgets/fonts.h"
#include "widgets/qt_translations.h"
#include "widgets/window_util.h"

#include <QApplication>

int main(int, char **argv)
{
    // Qt gets no command line options: the program has none.
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    // The user's data folder is ~/.local/share/domisol.
    QCoreApplication::setApplicationName(QStringLiteral("domisol"));
    installQtTranslations();

    Shared &s = shared();
    s.App_Dir = folderWithSeparator(QCoreApplication::applicationDirPath());
    auto *splash = new frmSplash;
    Load_Quiz(s);
    Clear_Used_Flag(s);
    // The start screen needs neither face: the two font files are read once it is up.
    QObject::connect(splash, &frmSplash::painted, splash, [&s] { registerFontsOnce(s); }, Qt::QueuedConnection);

    QObject::connect(splash, &frmSplash::boardChosen, splash, [splash, &s](int kind) {
        registerFontsOnce(s);
        if (kind == 1)
            s.Board_Kind = 1;
        QWidget *board = createBoardWindow(s, kind);
        // A right click on a game ball opens the editor; Main_Renew enables the
        // board in use again (the only board of the run).
        if (auto *view = qobject_cast<BoardView *>(board)) {
            QObject::connect(view, &BoardView::editRequested, view, [view, &s](int game) {
                openEditor(s, game, [view] { view->setEnabled(true); }, view);
            });
        }
        showBoardWindow(board);
        splash->close();
        splash->deleteLater();
    });
    centreOnScreen(splash);
    splash->show();
    return app.exec();
}

// Benchmark of the one-team board: start-up, opening the board, choosing games
// (default pictures and a 12-megapixel JPEG made here) and resident memory over
// fifty choices. Prints each measure beside its baseline and target.
// Optional argument: the run folder (default: the build's run folder).
#include "core/shared_state.h"
#include "data/datafiles.h"
#include "screens/board_window.h"
#include "screens/frm_main1.h"
#include "screens/splash.h"
#include "tests/bomb_picture.h"
#include "widgets/fonts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

// A step the benchmark cannot go on without.
#define QVERIFY_BENCH(ok)                                                   \
    do {                                                                    \
        if (!(ok)) {                                                        \
            std::fprintf(stderr, "benchmark set-up failed: %s\n", #ok);    \
            return 1;                                                       \
        }                                                                   \
    } while (0)

namespace {

struct Silent : CuePlayer {
    void Play_Cue(const QString &) override {}
};

// Waits until w has been painted once.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *w) { w->installEventFilter(this); }
    bool painted = false;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            painted = true;
        return false;
    }
    void wait()
    {
        QElapsedTimer t;
        t.start();
        while (!painted && t.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
};

double residentMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// A busy photo-like picture, so the JPEG is not trivially small.
void writePhoto(const QString &path, int width, int height)
{
    QImage img(width, height, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, width, height);
    g.setColorAt(0, QColor(40, 90, 200));
    g.setColorAt(1, QColor(240, 180, 50));
    p.fillRect(img.rect(), g);
    QRandomGenerator rng(12345);
    for (int k = 0; k < width * height / 4000; ++k) {
        p.setBrush(QColor::fromRgb(rng.generate() & 0xFFFFFF));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint(rng.bounded(width), rng.bounded(height)), rng.bounded(10, 120), rng.bounded(10, 120));
    }
    p.end();
    img.save(path, "JPEG", 85);
}

struct Measure {
    QString name, unit;
    double value;
};

std::map<QString, std::pair<double, QString>> readBaseline()
{
    std::map<QString, std::pair<double, QString>> out;  // name -> (baseline, target)
    QFile f(QStringLiteral(DOMISOL_BENCH_BASELINE));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith('#') || line.trimmed().isEmpty())
            continue;
        const QStringList cols = line.split('|');
        if (cols.size() >= 3)
            out[cols[0].trimmed()] = {cols[1].trimmed().toDouble(), cols[2].trimmed()};
    }
    return out;
}

}  // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    const QString runDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(DOMISOL_RUN_DIR);
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    std::vector<Measure> out;

    // Start-up as the program does it, up to the start screen painted.
    Shared &s = shared();
    auto *splash = new frmSplash;
    PaintWatch splashPainted(splash);
    Register_Fonts(s, runDir);
    Load_Quiz(s);
    Clear_Used_Flag(s);
    splash->show();
    splashPainted.wait();
    out.push_back({"startup_to_start_screen", "ms", sinceStart.nsecsElapsed() / 1e6});

    // Pictures: the defaults from the run folder and a 12-megapixel JPEG, in a scratch App_Dir.
    QTemporaryDir scratch;
    QDir().mkpath(scratch.filePath(QStringLiteral("img")));
    const QDir runImg(runDir + QStringLiteral("/img"));
    int defaultsFound = 0;
    for (int g = 0; g < 10; ++g) {
        const QString file = s.Picture_Table[g].section(';', 0, 0);
        const QString copy = scratch.filePath(QStringLiteral("img/") + file);
        if (QFile::copy(runImg.filePath(file), copy))
            ++defaultsFound;
        else
            writePhoto(copy, 1024, 768);  // stand-in while the default is missing
    }
    writePhoto(scratch.filePath(QStringLiteral("img/big12mp.jpg")), 4000, 3000);
    s.App_Dir = scratch.path() + QLatin1Char('/');

    // Opening the board, up to its first paint.
    QElapsedTimer t;
    t.start();
    auto *board = new FrmMain1(s, std::make_unique<Silent>());
    PaintWatch boardPainted(board);
    board->show();
    boardPainted.wait();
    out.push_back({"open_one_team_board", "ms", t.nsecsElapsed() / 1e6});
    splash->close();

    // One choice: the press, the widgets brought in line and painted.
    auto choose = [&](int game) {
        QElapsedTimer c;
        c.start();
        board->board().GBox_MouseDown(game, 1);
        board->sync();
        board->repaint();
        return c.nsecsElapsed() / 1e6;
    };
    std::vector<double> perGame, worst;
    for (int g = 0; g < 10; ++g) {
        std::vector<double> runs;
        for (int k = 0; k < 5; ++k)
            runs.push_back(choose(g));
        perGame.push_back(median(runs));
    }
    out.push_back({"choose_default_game_median", "ms", median(perGame)});
    out.push_back({"choose_default_game_worst", "ms", *std::max_element(perGame.begin(), perGame.end())});

    s.Picture_Table[9] = QStringLiteral("big12mp.jpg;12메가픽셀 사진");
    std::vector<double> big;
    for (int k = 0; k < 5; ++k) {
        choose(0);
        big.push_back(choose(9));
    }
    out.push_back({"choose_12mp_game", "ms", median(big)});

    // Pictures that froze the board: a 30000 x 30000 PNG bomb and a named
    // pipe. Each choice must return at once and keep the memory where it was.
    QVERIFY_BENCH(writePngBomb(scratch.filePath(QStringLiteral("img/bomb.png")), 30000, 30000));
    QVERIFY_BENCH(makeFifo(scratch.filePath(QStringLiteral("img/pipe.jpg"))));
    const double beforeBombs = residentMb();
    s.Picture_Table[8] = QStringLiteral("bomb.png;폭탄");
    s.Picture_Table[7] = QStringLiteral("pipe.jpg;파이프");
    std::vector<double> bomb, pipe;
    for (int k = 0; k < 5; ++k) {
        choose(0);
        bomb.push_back(choose(8));
        choose(0);
        pipe.push_back(choose(7));
        QCoreApplication::processEvents();
    }
    out.push_back({"choose_bomb_game_worst", "ms", *std::max_element(bomb.begin(), bomb.end())});
    out.push_back({"choose_fifo_game_worst", "ms", *std::max_element(pipe.begin(), pipe.end())});
    out.push_back({"rss_growth_bomb_and_fifo", "MB", residentMb() - beforeBombs});
    s.Picture_Table[8] = s.Picture_Table[7] = QString();

    double at10 = 0;
    for (int k = 1; k <= 50; ++k) {
        choose(k % 10);
        QCoreApplication::processEvents();
        if (k == 10)
            at10 = residentMb();
    }
    const double at50 = residentMb();
    out.push_back({"rss_after_10_choices", "MB", at10});
    out.push_back({"rss_after_50_choices", "MB", at50});
    out.push_back({"rss_growth_10_to_50", "MB", at50 - at10});

    const auto baseline = readBaseline();
    std::printf("default pictures found: %d of 10 in %s/img (1024 x 768 JPEG stand-ins for the rest)\n",
                defaultsFound, qPrintable(runDir));
    std::printf("%-28s %10s %10s  %s\n", "measure", "now", "baseline", "target");
    for (const Measure &m : out) {
        const auto it = baseline.find(m.name);
        const QString base = it == baseline.end() ? QStringLiteral("-") : QString::number(it->second.first, 'f', 1);
        const QString target = it == baseline.end() ? QString() : it->second.second;
        std::printf("%-28s %7.1f %-2s %10s  %s\n", qPrintable(m.name), m.value, qPrintable(m.unit),
                    qPrintable(base), qPrintable(target));
    }
    delete board;
    delete splash;
    return 0;
}

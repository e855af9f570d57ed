// Every game can end: both engines walked through random host actions. After
// every step the scores must be what the verdicts and bonuses give, and from
// that state a short sequence of host actions must end the game and then
// choose a new one. Each walk is replayed for each of its prefixes, so the
// ending is tried from every state the walk passed through.
#include "tests/two_fixture.h"

#include <QtTest>

#include <random>

namespace {

constexpr int kStepsPerBoard = 100000;
constexpr int kLongestWalk = 40;

// A generator whose draws replay exactly from the same seed.
struct SeededRandom : RandomSource {
    std::mt19937 gen;
    explicit SeededRandom(unsigned seed) : gen(seed) {}
    double reseedAndDraw() override { return std::uniform_real_distribution<double>(0, 1)(gen); }
};

template <class B>
struct Walk {
    Shared s;
    RecordingCues cues;
    FakePictures pictures;
    FixedText text;
    ManualClock clock;
    SeededRandom random;
    std::unique_ptr<B> board;

    explicit Walk(unsigned seed) : random(seed)
    {
        s.App_Dir = QStringLiteral("/game/");
        for (int g = 0; g < 10; ++g) {
            for (int q = 0; q < 9; ++q)
                s.Quiz_Table[g][q] = QStringLiteral("Q%1-%2;A%1-%2").arg(g).arg(q);
            s.Quiz_Table[g][4] = QStringLiteral("blank answer;");  // can never be typed right
            s.Picture_Table[g] = QStringLiteral("p%1.jpg;caption %1").arg(g);
        }
        board = std::make_unique<B>(s, BoardPorts{&cues, &pictures, &text, &random, &clock});
        board->Set_Init();
        board->layoutStep();
    }

    // One random host action, chosen by a.
    void act(unsigned a)
    {
        B &b = *board;
        const int n = int(a >> 8);
        switch (a % 16) {
        case 0:
            act(4 | (a & ~15u));
            break;
        case 1: {  // a click reaches a tile only where it shows
            const int i = n % 9;
            if (b.Cubix[i].Visible)
                b.Cover_Cubix_Click(i);
            break;
        }
        case 2: {
            static const HostKey keys[] = {HostKey::Start, HostKey::Tile, HostKey::Answer, HostKey::Right,
                                           HostKey::Wrong, HostKey::Next, HostKey::Back, HostKey::Undo,
                                           HostKey::Pause, HostKey::Mute, HostKey::Escape, HostKey::Help,
                                           HostKey::Overrule, HostKey::StartOver, HostKey::Confirm};
            b.hostKey(keys[n % 15], n % 10);
            break;
        }
        case 3:
            answer(n % 3);
            break;
        case 4:  // a quick right answer on the first tile still open
            if (board->Cubix[firstOpenTile()].Visible)
                b.Cover_Cubix_Click(firstOpenTile());
            answer(2 - n % 2 * 2);
            clock.advance(2500);
            break;
        case 5:
            b.hostKey(HostKey::Undo);
            break;
        case 6:
        case 7:
            clock.advance(n % 3000);
            break;
        case 8:
            if constexpr (std::is_same_v<B, TwoTeamBoard>)
                b.Label_Sel_Team_Click(n % 2);
            else
                n % 2 ? b.Time_Up_Click() : b.Command4_Click();
            break;
        case 9:
            b.Command1_Click();  // the reveal
            break;
        case 10:
        case 11:
            b.Command5_Click();
            break;
        case 12:
            b.GBox_MouseDown(n % 10, 1);
            break;
        case 13:
            n % 2 ? b.Pic_Bingo_Click() : b.Pic_Score_Click();
            break;
        case 14:
            n % 4 ? act(4 | (a & ~15u)) : b.Label_StartOver_Click();
            break;
        default:
            n % 2 ? b.Label_Ask_Yes_Click() : b.Label_Ask_No_Click();
            break;
        }
    }

    // kind 0: the right answer, 1: a wrong one, 2: the host's overrule (two-team)
    // or the answer shown then judged (one-team).
    void answer(int kind)
    {
        B &b = *board;
        if (!b.Pic_Quiz.Visible)
            return;  // the panel's buttons are clicked only while it shows
        if constexpr (std::is_same_v<B, TwoTeamBoard>) {
            if (kind == 2) {
                b.Label_Overrule_Click();
                return;
            }
            b.Text1.Caption = kind == 0 ? b.Cur_Answer : QStringLiteral("틀림");
            b.Command3_Click();
        } else {
            if (kind == 2)
                b.Command3_Click();
            kind == 1 ? b.Label10_Click() : b.Label7_Click();
        }
    }

    // The scores are the sum of the verdicts and bonuses: per side, its won
    // cells times the answer's points plus one bonus per rewarding check,
    // which is at least one when a line was rewarded and at most one per line.
    QString scoreFault() const
    {
        const B &b = *board;
        const auto check = [](int score, int won, int perCell, int perLine, int rewarded, int lines) -> QString {
            const int bonus = score - won * perCell;
            if (bonus < 0 || bonus % perLine != 0 || bonus / perLine > rewarded || (rewarded > 0) != (bonus > 0)
                || rewarded > lines)
                return QStringLiteral("score %1, %2 cells won, %3 lines rewarded of %4").arg(score).arg(won)
                    .arg(rewarded).arg(lines);
            return {};
        };
        const auto count = [&b](QLatin1String status) {
            int n = 0;
            for (int i = 0; i < 9; ++i)
                n += b.Cell_QA[i][3] == status;
            return n;
        };
        const auto lines = [&b](QLatin1String status) {
            int n = 0;
            for (const auto &line : Board::kLines)
                n += b.Cell_QA[line[0]][3] == status && b.Cell_QA[line[1]][3] == status
                     && b.Cell_QA[line[2]][3] == status;
            return n;
        };
        if constexpr (std::is_same_v<B, TwoTeamBoard>) {
            for (int t = 0; t < 2; ++t) {
                const QLatin1String status = t ? cell::Team1 : cell::Team0;
                if (b.Label_Team_Score[t].Caption != QString::number(b.Team_Score[t]))
                    return QStringLiteral("label %1 shows %2").arg(t).arg(b.Label_Team_Score[t].Caption);
                if (const QString fault = check(b.Team_Score[t], count(status), 30, 100, s.Team_Bingo_Count[t],
                                                lines(status));
                    !fault.isEmpty())
                    return QStringLiteral("team %1: ").arg(t) + fault;
            }
            return {};
        } else {
            if (b.Label1.Caption != QString::number(s.Score))
                return QStringLiteral("label shows %1").arg(b.Label1.Caption);
            return check(s.Score, count(cell::Won), 10, 30, s.Bingo_Count, lines(cell::Won));
        }
    }

    // A host ends the game in a few actions and chooses another one. Empty
    // when that worked, else what went wrong.
    QString endAndChooseAnother()
    {
        B &b = *board;
        int actions = 0;
        for (; actions < 80 && s.Play_State != QLatin1String("end"); ++actions) {
            if (b.isAsking())
                b.Label_Ask_No_Click();
            else if (b.isPaused())
                b.hostKey(HostKey::Pause);
            else if (b.Timer3.running())
                clock.advance(500);
            else if constexpr (std::is_same_v<B, TwoTeamBoard>) {
                if (b.Pic_Sel.Visible)
                    b.Label_Sel_Team_Click(0);
                else if (b.Pic_Quiz.Visible)
                    b.hostKey(HostKey::Overrule);
                else if (!b.Cubix[firstOpenTile()].Visible || !b.hostKey(HostKey::Tile, firstOpenTile() + 1))
                    clock.advance(2500);  // a click reaches a tile only where it shows
            } else {
                if (b.Pic_Quiz.Visible && b.Cur_Answer.trimmed().isEmpty())
                    clock.advance(1000 * (b.Remain_Sec + 1));  // only the clock ends this one
                else if (!b.hostKey(HostKey::Next))
                    clock.advance(2500);
            }
        }
        if (s.Play_State != QLatin1String("end"))
            return QStringLiteral("still running after %1 host actions").arg(actions);
        clock.advance(3000);
        const int next = (s.Game_No + 1) % 10;
        b.GBox_MouseDown(next, 1);
        if (s.Game_No != next)
            return QStringLiteral("game %1 refused after the end").arg(next + 1);
        for (int i = 0; i < 9; ++i)
            if (!b.Cubix[i].Visible || b.Cubix_Icon[i].Visible || b.Cell_QA[i][3] != cell::NotWon)
                return QStringLiteral("tile %1 not fresh in the new game").arg(i + 1);
        b.Command5_Click();
        if (s.Play_State != QLatin1String("play"))
            return QStringLiteral("the new game does not start");
        return {};
    }

    int firstOpenTile() const
    {
        int i = 0;
        while (i < 8 && board->Cubix_Icon[i].Visible)
            ++i;
        return i;
    }
};

template <class B>
void walkBoard()
{
    std::mt19937 seeds(20240611);
    int steps = 0;
    while (steps < kStepsPerBoard) {
        const unsigned seed = seeds();
        std::mt19937 draw(seed);
        std::vector<unsigned> actions(1 + draw() % kLongestWalk);
        for (unsigned &a : actions)
            a = draw();
        Walk<B> walk(seed);
        for (std::size_t k = 0; k < actions.size(); ++k) {
            walk.act(actions[k]);
            const QString fault = walk.scoreFault();
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("walk %1 step %2: %3").arg(seed).arg(k).arg(fault)));
            Walk<B> replay(seed);  // the same state, to try the ending on
            for (std::size_t j = 0; j <= k; ++j)
                replay.act(actions[j]);
            const QString stuck = replay.endAndChooseAnother();
            QVERIFY2(stuck.isEmpty(), qPrintable(QStringLiteral("walk %1 step %2: %3").arg(seed).arg(k).arg(stuck)));
        }
        steps += int(actions.size());
    }
}

}  // namespace

class TestHostProperty : public QObject {
    Q_OBJECT
private slots:
    void oneTeamGamesCanAlwaysEnd() { walkBoard<OneTeamBoard>(); }
    void twoTeamGamesCanAlwaysEnd() { walkBoard<TwoTeamBoard>(); }
};

QTEST_GUILESS_MAIN(TestHostProperty)
#include "test_host_property.moc"

// Names of the values the engine keeps as text or numbers: play states, cell
// statuses, the columns of Cell_QA, mouse buttons, teams.
#pragma once

#include <QLatin1String>

#include <cstdint>

namespace play {
inline constexpr QLatin1String End("end");    // no game runs
inline constexpr QLatin1String Play("play");  // a game runs
}  // namespace play

namespace cell {
inline constexpr QLatin1String NotWon("no");
inline constexpr QLatin1String Won("yes");    // one-team board
inline constexpr QLatin1String Team0("0");   // won by team 0 (two-team board)
inline constexpr QLatin1String Team1("1");   // won by team 1
}  // namespace cell

// Columns of a Cell_QA row.
namespace qa {
inline constexpr int Question = 0;
inline constexpr int Answer = 1;
inline constexpr int Line = 2;  // the quiz line's index in its game
inline constexpr int Status = 3;
}  // namespace qa

// Mouse buttons as the element events number them.
namespace button {
inline constexpr int Left = 1;
inline constexpr int Right = 2;
}  // namespace button

// A team as an index 0 or 1: team 1 is 1, anything else is team 0.
inline int teamIndex(std::int16_t team)
{
    return team == 1 ? 1 : 0;
}

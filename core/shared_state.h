// Variables shared by the start screen, the boards and the editor.
// Integers are 16-bit signed; every value starts as 0 or empty.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

struct Shared {
    std::int16_t Time_Limit = 0;    // seconds of a one-team game
    std::int16_t Score = 0;         // one-team score
    std::int16_t Game_No = 0;       // 0..9, the game box that chose the game
    std::int16_t Board_Kind = 0;    // 1: one-team board opened, 0: two-team
    std::int16_t Edit_Game_No = 0;  // 0..9, the game the editor shows
    std::int16_t Bingo_Count = 0;   // one-team lines already rewarded
    std::array<std::int16_t, 3> Team_Bingo_Count{};  // entry 2 unused
    std::array<std::int16_t, 10> Used_Flag{};        // entry 9 unused
    // Quiz_Table[game][question]: raw quiz line; game 10 and question 9 unused.
    std::array<std::array<QString, 10>, 11> Quiz_Table;
    std::array<QString, 11> Picture_Table;  // raw picture line; entry 10 unused
    // The bytes each line was read with (no CR LF): a save writes them back
    // unchanged while the line's table entry is still what they decode to.
    std::array<std::array<QByteArray, 9>, 10> Quiz_Bytes;
    std::array<QByteArray, 10> Picture_Bytes;
    QString Play_State;                     // "", "end" or "play"
    QString App_Dir;                        // program folder, one trailing separator
    // The quiz set in use: its folder (one trailing separator), holding
    // Quiz.qdf, BIP.QDF and img/, and its name. An empty Set_Dir is the
    // default set beside the program, App_Dir.
    QString Set_Dir;
    QString Set_Name;
};

// Folder of the data files and img/ of the set in use, one trailing separator.
inline const QString &setDir(const Shared &s)
{
    return s.Set_Dir.isEmpty() ? s.App_Dir : s.Set_Dir;
}

// The program's one instance.
Shared &shared();

// Used_Flag entries 0 to 8 become 0; entry 9 is left alone.
void Clear_Used_Flag(Shared &s);

// Adds delta unless the sum would leave the 16-bit range; then v keeps its value.
inline void addInt16(std::int16_t &v, int delta)
{
    const int sum = int(v) + delta;
    if (sum >= -32768 && sum <= 32767)
        v = std::int16_t(sum);
}

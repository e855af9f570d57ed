#include "core/shared_state.h"

Shared &shared()
{
    static Shared s;
    return s;
}

void Clear_Used_Flag(Shared &s)
{
    for (int i = 0; i <= 8; ++i)
        s.Used_Flag[i] = 0;
}

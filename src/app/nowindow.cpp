#include "app/window.h"

#include <cstdio>

namespace obzorka::app {

int runWindow(int, char*[], const Options&)
{
    std::fputs("Obzorka je sestavena bez okna: použijte --sync-once nebo --export.\n", stderr);
    return 2;
}

} // namespace obzorka::app

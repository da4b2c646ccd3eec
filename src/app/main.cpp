#include <cstdio>

int main()
{
    std::puts("Vantor: the jukebox window is not assembled yet; this build checks the libraries.");
    return 0;
}

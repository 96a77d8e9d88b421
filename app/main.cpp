// The game program. The window host and the game itself are not built yet: for now the program
// says so and ends.
#include <cstdio>

int main() {
    std::printf("Marivane (%s build): the window host and the game are not built yet.\n", MARIVANE_LANGUAGE);
    std::printf("See README.md for what works so far; the test command runs everything that exists.\n");
    return 0;
}

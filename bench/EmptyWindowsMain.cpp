// A Windows program that does nothing, linked as the game is (windowed,
// static): the time Wine takes to start and end it is Wine's own share of the
// game's start under Wine (scripts/bench windows).
int main() { return 0; }

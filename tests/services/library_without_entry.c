/* A statistics library that lacks its entry, for the start-up failure test. */
int KorvaloNotTheEntry(void) { return 0; }

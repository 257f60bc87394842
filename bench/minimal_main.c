/* The smallest C program: the yardstick for the start-up time of the tools. */
int main(void) { return 0; }

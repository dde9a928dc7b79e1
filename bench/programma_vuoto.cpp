// The yardstick for a command's start-up: a C++ program that does nothing.
int main() {
    return 0;
}

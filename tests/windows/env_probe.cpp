// Prints the environment variables named on its command line, one a line,
// and exits with the status given last: what the Windows tests' emulator
// must carry through Wine.
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        const char* value = std::getenv(argv[i]);
        std::printf("%s=%s\n", argv[i], value ? value : "(unset)");
    }
    return argc > 1 ? std::atoi(argv[argc - 1]) : 0;
}

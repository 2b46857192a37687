// Stands in the test prefix's registry as the program for mailto: and https:
// links: appends the link it is handed, and the show command it was started
// with, to the file named first on its command line.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    int showCommand = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    FILE* record = std::fopen(argv[1], "ab");
    if (!record)
        return 1;
    std::fprintf(record, "%s %d\n", argv[2], showCommand);
    return std::fclose(record) == 0 ? 0 : 1;
}

// Writes a declaration of the given number of pages, every line filled with its own employee and computed by
// the program's own code, as a user would have saved it: make_declaration PAGES PATH.
#include "BenchProgram.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fputs("usage: make_declaration PAGES PATH\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Bench::TProgram program;
    if (!program.Ok) {
        std::fputs("build the shipped tables first (bin/APDData)\n", stderr);
        return 1;
    }
    const int pages = QString::fromLocal8Bit(argv[1]).toInt();
    Bench::MakeDocument(pages, QString::fromLocal8Bit(argv[2]));
    return 0;
}

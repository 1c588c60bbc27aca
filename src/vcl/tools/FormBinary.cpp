// Build step: a form design in text form, compiled to the binary component stream that the program reads
// (FormBinary TEXT.dfm BINARY.dfm), so that no form is parsed as text while the program runs.
#include "vcl/ComponentStream.h"

#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fputs("usage: FormBinary TEXT.dfm BINARY.dfm\n", stderr);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot be read\n", argv[1]);
        return 1;
    }
    try {
        const QByteArray binary = ObjectTextToBinary(in.readAll());
        QFile out(QString::fromLocal8Bit(argv[2]));
        if (!out.open(QIODevice::WriteOnly) || out.write(binary) != binary.size()) {
            std::fprintf(stderr, "%s: cannot be written\n", argv[2]);
            return 1;
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}

// libFuzzer target: the text form reader, then the binary reader on what it produced.
#include "FuzzClasses.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    QByteArray binary;
    try {
        binary = ObjectTextToBinary(text);
    } catch (const EReadError &) {
        return 0;
    }
    // What the parser accepts converts back to text that gives the same stream.
    QByteArray back;
    try {
        back = ObjectBinaryToText(binary);
    } catch (const EReadError &) {
        return 0; // e.g. a non-finite number spelled in the text
    }
    if (ObjectTextToBinary(back) != binary)
        __builtin_trap();
    ReadWriteRead(binary);
    return 0;
}

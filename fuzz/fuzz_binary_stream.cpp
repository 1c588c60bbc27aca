// libFuzzer target: the binary component stream reader and the binary-to-text converter.
#include "FuzzClasses.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Most inputs should reach past the signature.
    const QByteArray stream = bytes.startsWith("TPF0") ? bytes : "TPF0" + bytes;
    ReadWriteRead(stream);
    QByteArray text;
    try {
        text = ObjectBinaryToText(stream);
    } catch (const EReadError &) {
        return 0;
    }
    // Text made from a stream reads back, and gives the same text again.
    if (ObjectBinaryToText(ObjectTextToBinary(text)) != text)
        __builtin_trap();
    return 0;
}

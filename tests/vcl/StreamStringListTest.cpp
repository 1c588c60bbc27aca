#include "vcl/ComponentStream.h"

#include <gtest/gtest.h>

// Lines of a string list stand on lines of their own in text form; they must stay separate items.
TEST(ComponentStreamText, ListOfStringsOnSeparateLinesKeepsItsItems)
{
    const QByteArray text =
        "object A: TComponent\n  Lines.Strings = (\n    'X=1'\n    'Y=2'#13#10'z' +\n      'w')\nend\n";
    const QByteArray back = ObjectBinaryToText(ObjectTextToBinary(text));
    EXPECT_TRUE(back.contains("'X=1'\n")) << back.constData();
    EXPECT_TRUE(back.contains("'Y=2'#13#10'zw')")) << back.constData();
}

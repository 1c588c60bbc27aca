// A document of Pages untouched pages: a one-page document written by the program, its page repeated (as a
// fresh page) under further names, written as a text form and converted. Beyond the page limit only a
// foreign or damaged file can be this long; the tests and the benchmarks open such files.
#pragma once

#include "app/ApdDataF.h"
#include "vcl/ComponentStream.h"

#include <QByteArray>
#include <stdexcept>

inline QByteArray DocumentOfPages(int Pages)
{
    QByteArray one;
    {
        TApdData w(nullptr);
        w.AddPage();
        TApdData ancestor(nullptr);
        one = WriteDescendent(&w, &ancestor);
    }
    const QByteArray text = ObjectBinaryToText(one);
    const qsizetype start = text.indexOf("        object TabSheet1: TTabSheet\n");
    const qsizetype end = text.indexOf("\n        end\n", start) + 13;
    if (start <= 0 || end <= start)
        throw std::logic_error("the one-page document has no page to repeat");
    QByteArray sheets;
    for (int i = 1; i <= Pages; ++i)
        sheets += "        object TabSheet" + QByteArray::number(i) + ": TTabSheet\n          Caption = 'Page " +
                  QByteArray::number(i) + "'\n          inline EmployFrame" + QByteArray::number(i) +
                  ": TEmployFrame\n          end\n        end\n";
    TReaderLimits limits;
    limits.MaxComponents = 1 << 30;
    limits.MaxListItems = 1 << 30;
    return ObjectTextToBinary(text.left(start) + sheets + text.mid(end), limits);
}

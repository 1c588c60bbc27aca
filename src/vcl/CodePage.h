// Code page 1253 (Greek) at every file boundary.
#pragma once

#include "SysUtils.h"
#include <QByteArray>
#include <QString>

class ECodePageError : public EConvertError {
    using EConvertError::EConvertError;
};

// Bytes that the code page leaves undefined decode to private-use characters (U+F000 + byte), so a
// damaged file reads and writes back unchanged.
QString FromCp1253(const QByteArray &bytes);
QString FromCp1253(const char *data, qsizetype size);
// Index of the first character that cp1253 cannot hold, or -1.
qsizetype FindNonCp1253(const QString &text);
bool IsCp1253(const QString &text);
// Index of the first character that stands for a byte the code page leaves undefined (read from a damaged
// file, kept so that it writes back unchanged), or -1. Such a character is no text to hand to anyone else.
qsizetype FindUndefinedCp1253(const QString &text);
// The undefined byte a character stands for, or -1 for any other character.
int UndefinedCp1253Byte(QChar ch);
// Raises ECodePageError naming `what` (a field or file) and the character when the text cannot be held.
QByteArray ToCp1253(const QString &text, const QString &what = QString());
// Single character; returns false when it cannot be held.
bool CharToCp1253(QChar ch, char &byte);

#pragma once

#include <QByteArray>

// The plain encoder, step by step: a 17,777-slot hash table searched from a running hash of
// the string, a 260-byte bit buffer flushed as a 255-byte sub-block whenever 2,040 bits have
// gathered, the reset at 4094. Slow on purpose: the library's encoder must write the same
// bytes for every input.
QByteArray gifReferenceEncode(const uchar *pixels, qsizetype count, int minCodeSize);

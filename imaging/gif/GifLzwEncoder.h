#pragma once

#include <QByteArray>

#include <functional>

// Compresses pixel values (already in stream order, one byte each, each below
// 2^minCodeSize) with variable-length LZW as a GIF frame stores it, and appends the minimum
// code size byte, the data sub-blocks and the terminator to out.
//
// Greedy LZW: the longest string in the table is extended by one pixel per new code. When the
// next code reaches 4094 the encoder writes the current prefix and a clear code and starts
// over with the initial code width, so the table never reaches the 12-bit limit. The codes
// depend only on these rules, not on how the table is kept: here an open-addressed hash over
// (prefix, pixel) pairs, sized to the frame and never more than a quarter full, so that a
// lookup is one multiplication and, nearly always, one probe.
//
// rowDone, when set, is called after every rowWidth pixels with the number of rows done; it
// may throw to cancel.
void gifLzwEncode(const uchar *pixels, qsizetype count, int minCodeSize, QByteArray &out,
    int rowWidth = 0, const std::function<void(int)> &rowDone = {});

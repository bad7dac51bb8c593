#pragma once

#include "GifLzwDecoder.h"

#include <vector>

// The plain decoder, step by step: a prefix and a suffix table of 4096 entries and an output
// stack, all zero at the start and never cleared; literals are the codes below the clear code;
// every other code is walked back through the tables, pushing one value at a time; a code
// beyond the next free one pushes the previous first pixel and walks the previous code; more
// than 4096 pushes stop decoding as corrupt; decoding stops at the end code, when the data
// runs out, or once pixelCount pixels are out. An end code before the last pixel, and a code
// that names no table entry yet, are reported as damage. Slow on purpose: the fast decoder
// must agree with it on every input.
GifLzwResult gifReferenceDecode(const uchar *data, qsizetype size, int bitsPerPixel,
    std::vector<uchar> &out, qsizetype pixelCount);

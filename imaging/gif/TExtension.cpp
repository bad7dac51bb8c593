#include "TExtension.h"

TExtension::TExtension(Kind kind)
    : header(headerSize(kind), '\0')
    , m_kind(kind)
{
    if (kind == GraphicControl)
        header[0] = 4;
}

quint8 TExtension::labelOf(Kind kind)
{
    switch (kind) {
    case GraphicControl:
        return 0xF9;
    case PlainText:
        return 0x01;
    case Application:
        return 0xFF;
    case Comment:
        break;
    }
    return 0xFE;
}

int TExtension::headerSize(Kind kind)
{
    switch (kind) {
    case GraphicControl:
        return 6;
    case PlainText:
        return 13;
    case Application:
        return 12;
    case Comment:
        break;
    }
    return 0;
}

void TExtension::setDelay(quint16 hundredths)
{
    header[2] = char(hundredths & 0xFF);
    header[3] = char(hundredths >> 8);
}

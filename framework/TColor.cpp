#include "TColor.h"

#include <array>

namespace {

// The classic desktop scheme, indexed by system colour number.
constexpr std::array<QRgb, 25> kSystemColors = {
    0xFFD4D0C8, // scroll bar
    0xFF3A6EA5, // desktop
    0xFF0A246A, // active caption
    0xFF808080, // inactive caption
    0xFFD4D0C8, // menu
    0xFFFFFFFF, // window
    0xFF000000, // window frame
    0xFF000000, // menu text
    0xFF000000, // window text
    0xFFFFFFFF, // caption text
    0xFFD4D0C8, // active border
    0xFFD4D0C8, // inactive border
    0xFF808080, // application work space
    0xFF0A246A, // highlight
    0xFFFFFFFF, // highlight text
    0xFFD4D0C8, // button face
    0xFF808080, // button shadow
    0xFF808080, // grey text
    0xFF000000, // button text
    0xFFD4D0C8, // inactive caption text
    0xFFFFFFFF, // button highlight
    0xFF404040, // 3D dark shadow
    0xFFD4D0C8, // 3D light
    0xFF000000, // tooltip text
    0xFFFFFFE1, // tooltip background
};

struct NamedColor {
    const char *name;
    TColor value;
};

constexpr NamedColor kNamedColors[] = {
    { "clBlack", Colors::clBlack },
    { "clMaroon", Colors::clMaroon },
    { "clGreen", Colors::clGreen },
    { "clOlive", Colors::clOlive },
    { "clNavy", Colors::clNavy },
    { "clPurple", Colors::clPurple },
    { "clTeal", Colors::clTeal },
    { "clGray", Colors::clGray },
    { "clSilver", Colors::clSilver },
    { "clRed", Colors::clRed },
    { "clLime", Colors::clLime },
    { "clYellow", Colors::clYellow },
    { "clBlue", Colors::clBlue },
    { "clFuchsia", Colors::clFuchsia },
    { "clAqua", Colors::clAqua },
    { "clWhite", Colors::clWhite },
    { "clMoneyGreen", Colors::clMoneyGreen },
    { "clSkyBlue", Colors::clSkyBlue },
    { "clCream", Colors::clCream },
    { "clMedGray", Colors::clMedGray },
    { "clLtGray", Colors::clSilver },
    { "clDkGray", Colors::clGray },
    { "clNone", Colors::clNone },
    { "clDefault", Colors::clDefault },
    { "clScrollBar", Colors::clScrollBar },
    { "clBackground", Colors::clBackground },
    { "clActiveCaption", Colors::clActiveCaption },
    { "clInactiveCaption", Colors::clInactiveCaption },
    { "clMenu", Colors::clMenu },
    { "clWindow", Colors::clWindow },
    { "clWindowFrame", Colors::clWindowFrame },
    { "clMenuText", Colors::clMenuText },
    { "clWindowText", Colors::clWindowText },
    { "clCaptionText", Colors::clCaptionText },
    { "clActiveBorder", Colors::clActiveBorder },
    { "clInactiveBorder", Colors::clInactiveBorder },
    { "clAppWorkSpace", Colors::clAppWorkSpace },
    { "clHighlight", Colors::clHighlight },
    { "clHighlightText", Colors::clHighlightText },
    { "clBtnFace", Colors::clBtnFace },
    { "clBtnShadow", Colors::clBtnShadow },
    { "clGrayText", Colors::clGrayText },
    { "clBtnText", Colors::clBtnText },
    { "clInactiveCaptionText", Colors::clInactiveCaptionText },
    { "clBtnHighlight", Colors::clBtnHighlight },
    { "cl3DDkShadow", Colors::cl3DDkShadow },
    { "cl3DLight", Colors::cl3DLight },
    { "clInfoText", Colors::clInfoText },
    { "clInfoBk", Colors::clInfoBk },
};

} // namespace

QRgb ColorToRGB(TColor color)
{
    if (color == Colors::clNone || color == Colors::clDefault)
        return qRgb(0, 0, 0);
    if (color < 0) {
        const int index = color & 0xFF;
        return index < int(kSystemColors.size()) ? kSystemColors[index] : qRgb(0, 0, 0);
    }
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QColor toQColor(TColor color)
{
    return QColor::fromRgb(ColorToRGB(color));
}

TColor fromQColor(const QColor &color)
{
    return TColor(color.red() | (color.green() << 8) | (color.blue() << 16));
}

bool identToColor(QStringView ident, TColor *color)
{
    for (const NamedColor &named : kNamedColors) {
        if (ident.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0) {
            *color = named.value;
            return true;
        }
    }
    return false;
}

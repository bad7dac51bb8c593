#include "TConstraints.h"

#include <algorithm>

int TConstraints::constrainWidth(int width) const
{
    if (m_maxWidth > 0)
        width = std::min(width, m_maxWidth);
    return std::max(width, m_minWidth);
}

int TConstraints::constrainHeight(int height) const
{
    if (m_maxHeight > 0)
        height = std::min(height, m_maxHeight);
    return std::max(height, m_minHeight);
}

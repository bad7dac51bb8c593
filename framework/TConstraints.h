#pragma once

#include "TProperty.h"

#include <QObject>

// Size limits of a control; 0 means no limit.
class TConstraints : public QObject {
    Q_OBJECT
    Q_PROPERTY(int MinWidth READ MinWidth WRITE setMinWidth)
    Q_PROPERTY(int MinHeight READ MinHeight WRITE setMinHeight)
    Q_PROPERTY(int MaxWidth READ MaxWidth WRITE setMaxWidth)
    Q_PROPERTY(int MaxHeight READ MaxHeight WRITE setMaxHeight)
public:
    using QObject::QObject;

    int MinWidth() const { return m_minWidth; }
    void setMinWidth(int v) { set(m_minWidth, v); }
    int MinHeight() const { return m_minHeight; }
    void setMinHeight(int v) { set(m_minHeight, v); }
    int MaxWidth() const { return m_maxWidth; }
    void setMaxWidth(int v) { set(m_maxWidth, v); }
    int MaxHeight() const { return m_maxHeight; }
    void setMaxHeight(int v) { set(m_maxHeight, v); }

    // Clamps a size to the limits.
    int constrainWidth(int width) const;
    int constrainHeight(int height) const;

Q_SIGNALS:
    void OnChange(QObject *Sender);

private:
    void set(int &field, int value)
    {
        if (AssignIfChanged(field, value))
            Q_EMIT OnChange(this);
    }

    int m_minWidth = 0;
    int m_minHeight = 0;
    int m_maxWidth = 0;
    int m_maxHeight = 0;
};

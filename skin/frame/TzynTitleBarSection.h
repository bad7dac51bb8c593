#pragma once

#include "TPicture.h"

#include <QObject>

class TzynTitleBarSections;

// One picture section of the title bar: a left or right cap of its own width, or the client
// section stretched over whatever room the caps leave.
class TzynTitleBarSection : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(TzynTitleBarAlign Align READ Align WRITE setAlign)
    Q_PROPERTY(TPicture *Picture READ Picture WRITE setPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
public:
    enum TzynTitleBarAlign { zynLeft, zynRight, zynClient };
    Q_ENUM(TzynTitleBarAlign)

    explicit TzynTitleBarSection(TzynTitleBarSections *collection);

    TzynTitleBarSections *Collection() const { return m_collection; }
    int Index() const;

    int Width() const { return m_width; }
    void setWidth(int width);
    TzynTitleBarAlign Align() const { return m_align; }
    // Only one section of a collection may be the client section; a second one is refused
    // with an error box and the section stays as it was.
    void setAlign(TzynTitleBarAlign align);
    TPicture *Picture() const { return m_picture; }
    void setPicture(const TPicture *picture);
    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    // Copies Width, Align, Picture, Stretch and AutoSize, in that order.
    void Assign(const TzynTitleBarSection *source);

private:
    void Changed();
    void pictureChanged();

    TzynTitleBarSections *m_collection;
    int m_width = 10;
    TzynTitleBarAlign m_align = zynLeft;
    TPicture *m_picture;
    bool m_stretch = false;
    bool m_autoSize = false;
    bool m_settingPicture = false;
};

using TzynTitleBarAlign = TzynTitleBarSection::TzynTitleBarAlign;
constexpr TzynTitleBarAlign zynLeft = TzynTitleBarSection::zynLeft;
constexpr TzynTitleBarAlign zynRight = TzynTitleBarSection::zynRight;
constexpr TzynTitleBarAlign zynClient = TzynTitleBarSection::zynClient;

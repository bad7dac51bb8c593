#pragma once

#include "TPicture.h"

#include <QIcon>
#include <QList>
#include <QObject>

// A list of equally sized images with masks (alpha), such as a tree's icons. The images come
// from Bitmap, a strip that holds them side by side, left to right and top to bottom.
class TImageList : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(int AllocBy READ AllocBy WRITE setAllocBy)
    Q_PROPERTY(TPicture *Bitmap READ Bitmap)
    Q_PROPERTY(int Count READ Count)
public:
    explicit TImageList(QObject *owner = nullptr);

    int Width() const { return m_width; }
    void setWidth(int width);
    int Height() const { return m_height; }
    void setHeight(int height);
    int AllocBy() const { return m_allocBy; }
    void setAllocBy(int value) { m_allocBy = value; }
    TPicture *Bitmap() const { return m_bitmap; }
    int Count() const { return int(m_images.size()); }

    QImage image(int index) const;
    QIcon icon(int index, int selectedIndex = -1) const;
    void Add(const QImage &image);
    void Clear();

Q_SIGNALS:
    void OnChange(QObject *Sender);

private:
    void splitBitmap();

    int m_width = 16;
    int m_height = 16;
    int m_allocBy = 4;
    TPicture *m_bitmap;
    QList<QImage> m_images;
};

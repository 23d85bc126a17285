#pragma once

#include "mirokit_global.h"

#include <QSplitterHandle>

/*!
    The handle of a ZCSplitter. With a grip size set, it paints a grip of that many pixels along
    its length, centred, instead of one along the whole handle.
*/
class MIROKIT_EXPORT ZCSplitterHandle : public QSplitterHandle
{
    Q_OBJECT

public:
    ZCSplitterHandle(Qt::Orientation orientation, QSplitter* parent);
    ~ZCSplitterHandle() override;

    // -1 (the default) paints as QSplitterHandle.
    void SetSizeHandle(int size);
    int GetSizeHandle() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect gripRect() const;

    int m_sizeHandle = -1;
    bool m_hovered = false;
};

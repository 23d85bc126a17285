#pragma once

#include "mirokit_global.h"

#include <QPixmap>
#include <QWidget>

/*!
    A widget painted in two layers: a background rendered once into a cached pixmap and a
    foreground painted over it on every paint event. Instruments draw their static dial in
    paintBackground() and their moving parts in paintForeground(), so a new value costs only the
    foreground.

    The cache is dropped in one place, updateAllCapas(); a resize (or a change of device pixel
    ratio) is noticed by the paint itself because the pixmap no longer fits.
*/
class MIROKIT_EXPORT ZCDosCapasWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ZCDosCapasWidget(QWidget* parent = nullptr);
    ~ZCDosCapasWidget() override;

protected:
    virtual void paintForeground(QPainter& painter) = 0;
    virtual void paintBackground(QPainter& painter) = 0;

    void updateAllCapas();
    void createPixmapBackground();
    void drawBackground(QPainter& painter);
    void paintEvent(QPaintEvent* event) override;

    // Stores a value drawn in the background; only a real change drops the cache.
    template <typename T>
    void setBackgroundField(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        updateAllCapas();
    }

private:
    bool backgroundFits() const;

    QPixmap m_background;
    bool m_dirty = false;
};

#pragma once

#include "mirokit_global.h"

#include <QColor>
#include <QFrame>
#include <QList>

class QGridLayout;
class ZCPaletaWidgetItem;

/*!
    A grid of square colour swatches over a colour list that the caller owns (and that must
    outlive the palette; the palette adds, changes and removes entries in it). A focus frame
    moves with the arrow keys or the mouse; Space or a click picks the colour. As a pop-up the
    palette opens under its parent widget and closes itself after a pick.
*/
class MIROKIT_EXPORT ZCPaletaWidget : public QFrame
{
    Q_OBJECT

public:
    //! popup: a pop-up that closes after a pick; autoFoco: the focus follows the pointer and announces each colour.
    ZCPaletaWidget(QList<QColor>* colores, QWidget* parent = nullptr, bool popup = false, bool autoFoco = false);
    ~ZCPaletaWidget() override;

    void addColor(const QColor& color);
    void removeColorItem(ZCPaletaWidgetItem* item);
    bool setFocoEnColor(const QColor& color);

    void setItemSelected(ZCPaletaWidgetItem* item);
    ZCPaletaWidgetItem* getItemSelected() const;

    // Columns and rows of the grid; a value below 1 is worked out from the number of colours.
    void setVertical(int columns);
    int getVertical() const;
    void setHorizontal(int rows);
    int getHorizontal() const;

    void setEspacioEntreCeldas(int spacing);
    int getEspacioEntreCeldas() const;
    void setSizeCelda(int size);
    int getSizeCelda() const;

    QColor getColorFondo() const;
    void setColorFondo(const QColor& color);
    bool getAutoFoco() const;

    void setParent(QWidget* parent);
    void setVisible(bool visible) override;

    void emiteColorFoco(const QColor& color);
    void emiteColorSelected(const QColor& color);

signals:
    void colorFoco(const QColor& color);
    void colorSelected(const QColor& color);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class ZCPaletaWidgetItem;

    void creaGridWithItems();
    void situaFocoByIndex(int index);
    int indexAfterKey(int key, int index) const;
    void pick(const QColor& color);
    void hover(ZCPaletaWidgetItem* item);

    QList<ZCPaletaWidgetItem*> m_items;
    QList<QColor>* m_colores;
    QGridLayout* m_grid = nullptr;
    int m_vertical = 4;
    int m_horizontal = -1;
    int m_espacioEntreCeldas = 1;
    int m_sizeCelda = 20;
    bool m_autoFoco;
    ZCPaletaWidgetItem* m_itemSelected = nullptr;
    bool m_popup;
    int m_columns = 0; // of the grid as built
    QList<QColor> m_ownColors; // stands in for a missing caller list
};

#include "zclistboxcheckestilos.h"

#include "zcflagnames_p.h"

#include <QScrollBar>

ZCListBoxCheckEstilos::ZCListBoxCheckEstilos(QWidget* parent)
    : ZCListBoxCheck(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

ZCListBoxCheckEstilos::~ZCListBoxCheckEstilos() = default;

void ZCListBoxCheckEstilos::setEstilos(uint flags, QStringList names, uint visibleMask)
{
    if (!ZCFlagNames::fitInFlags(names))
        return;
    clear();
    for (int bit = 0; bit < names.size(); ++bit) {
        addItem(names.at(bit), ZCFlagNames::isSet(flags, bit), QVariant());
        setRowHidden(bit, !ZCFlagNames::isSet(visibleMask, bit));
    }
    fitHeightToVisibleItems();
}

uint ZCListBoxCheckEstilos::getEstilos() const
{
    uint flags = 0;
    for (int bit = 0; bit < count() && bit < ZCFlagNames::maximumNames; ++bit) {
        if (isChecked(bit))
            flags |= 1u << bit;
    }
    return flags;
}

// Tall enough for the items up to the last visible one and a horizontal scroll bar, no taller.
void ZCListBoxCheckEstilos::fitHeightToVisibleItems()
{
    int lastVisible = count() - 1;
    while (lastVisible >= 0 && isRowHidden(lastVisible))
        --lastVisible;
    if (lastVisible < 0) {
        setMaximumHeight(0);
        return;
    }
    const int frame = 2 * frameWidth() + 1;
    const int itemsBottom = visualItemRect(item(lastVisible)).bottom() + frame;
    setMaximumHeight(itemsBottom + horizontalScrollBar()->sizeHint().height() + frame);
}

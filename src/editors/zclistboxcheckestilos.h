#pragma once

#include "zclistboxcheck.h"

/*!
    A set of style flags shown as check items: item i stands for bit i of the flag word.
*/
class MIROKIT_EXPORT ZCListBoxCheckEstilos : public ZCListBoxCheck
{
    Q_OBJECT

public:
    explicit ZCListBoxCheckEstilos(QWidget* parent = nullptr);
    ~ZCListBoxCheckEstilos() override;

    // Replaces the items; a row is hidden when its bit of visibleMask is clear. More than 32
    // names are refused with a warning.
    void setEstilos(uint flags, QStringList names, uint visibleMask);
    uint getEstilos() const;

private:
    void fitHeightToVisibleItems();
};

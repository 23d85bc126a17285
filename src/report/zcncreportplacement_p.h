#pragma once

#include <QBoxLayout>
#include <QGridLayout>
#include <QWidget>

// Puts `control` right of `field` inside `layout`: in a box layout next to it, in a grid in a
// row layout that takes the field's cell (field stretching, control at its size hint). False,
// and nothing moved, when the field is not an item of that layout.
inline bool placeBeside(QLayout* layout, QWidget* field, QWidget* control)
{
    const int index = layout && field ? layout->indexOf(field) : -1;
    if (index < 0)
        return false;
    if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
        box->insertWidget(index + 1, control);
        return true;
    }
    auto* grid = qobject_cast<QGridLayout*>(layout);
    if (!grid)
        return false;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    grid->removeWidget(field);
    auto* beside = new QHBoxLayout;
    beside->addWidget(field, 1);
    beside->addWidget(control, 0);
    grid->addLayout(beside, row, column, rowSpan, columnSpan);
    return true;
}

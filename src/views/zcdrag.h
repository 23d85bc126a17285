#pragma once

#include "mirokit_global.h"

#include <QDrag>

/*!
    The drag a caller builds after a drag source's iniciarDrag(), with its own QMimeData, and
    runs with exec(); the source widget is its parent object.
*/
class MIROKIT_EXPORT ZCDrag : public QDrag
{
    Q_OBJECT

public:
    explicit ZCDrag(QWidget* source);
    ~ZCDrag() override;
};

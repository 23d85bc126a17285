#pragma once

#include "mirokit_global.h"

#include <QFrame>

class QIcon;

/*!
    One notification of the stack over the main window: an icon, a word-wrapped text and a close
    button. It deletes itself when closed, by the button or after its duration in seconds; a
    duration of 0 or less keeps it until the user closes it.

    Style sheets address the two buttons by their object names, "icon" and "close".
*/
class MIROKIT_EXPORT ZCNotificacion : public QFrame
{
    Q_OBJECT

public:
    ZCNotificacion(const QString& szTexto, const QIcon& iconoTexto, const QIcon& iconoCierre,
                   int nSecsDuracion, QWidget* parent = nullptr);
};

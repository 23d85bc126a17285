#pragma once

#include "mirokit_global.h"

#include <QCoreApplication>
#include <QKeySequence>

class QAction;

/*!
    A key sequence taken from the library's table of predefined shortcuts.
*/
class MIROKIT_EXPORT ZCKeySequence : public QKeySequence
{
    Q_DECLARE_TR_FUNCTIONS(ZCKeySequence)

public:
    // A fixed underlying type, so that any int a host or a script casts to it is a valid value
    // that the constructor can reject.
    enum EKeyPreDef : int {
        KeyPantallaCompleta = 0,  // F11
        KeyPropiedades = 1,       // Alt+Return
        KeySubir = 2,             // Ctrl+Up
        KeyBajar = 3,             // Ctrl+Down
        KeySiguientePestana = 4,  // Ctrl+Tab
        KeyAnteriorPestana = 5    // Ctrl+Shift+Tab
    };

    // The predefined shortcut \a key; an empty sequence, with a warning, for a value outside the
    // table.
    explicit ZCKeySequence(EKeyPreDef key);
};

/*!
    Gives \a action the shortcut \a keys in \a context. With \a showInToolTip, the tool tip
    becomes the action's icon text followed by the shortcut, as in "Buscar (Ctrl+F)".
*/
MIROKIT_EXPORT void SetShortcutToAction(QAction* action, const QKeySequence& keys,
                                        Qt::ShortcutContext context, bool showInToolTip);

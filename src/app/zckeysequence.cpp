#include "zckeysequence.h"

#include <QAction>
#include <QDebug>

namespace {

// Indexed by ZCKeySequence::EKeyPreDef.
const char* const predefinedShortcuts[] = {
    "F11",
    "Alt+Return",
    "Ctrl+Up",
    "Ctrl+Down",
    "Ctrl+Tab",
    "Ctrl+Shift+Tab",
};
constexpr int predefinedShortcutCount = int(sizeof(predefinedShortcuts) / sizeof(*predefinedShortcuts));

QKeySequence predefinedShortcut(ZCKeySequence::EKeyPreDef key)
{
    if (key < 0 || key >= predefinedShortcutCount) {
        qWarning().noquote() << ZCKeySequence::tr("ZCKeySequence: no hay ningún atajo predefinido %1")
                                    .arg(int(key));
        return {};
    }
    return QKeySequence::fromString(QLatin1String(predefinedShortcuts[key]), QKeySequence::NativeText);
}

} // namespace

ZCKeySequence::ZCKeySequence(EKeyPreDef key)
    : QKeySequence(predefinedShortcut(key))
{
}

void SetShortcutToAction(QAction* action, const QKeySequence& keys, Qt::ShortcutContext context,
                         bool showInToolTip)
{
    if (!action) {
        qWarning().noquote() << ZCKeySequence::tr("SetShortcutToAction: la acción es nula");
        return;
    }
    action->setShortcut(keys);
    action->setShortcutContext(context);
    if (!showInToolTip)
        return;
    // Without a shortcut the tool tip is the bare text, not the text and an empty "()".
    const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
    action->setToolTip(shortcut.isEmpty()
                           ? action->iconText()
                           : QStringLiteral("%1 (%2)").arg(action->iconText(), shortcut));
}

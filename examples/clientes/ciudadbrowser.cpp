#include "ciudadbrowser.h"

#include <Mirokit/ZCGestorTemasEstilo.h>
#include <Mirokit/ZLineEdit.h>

#include <QMenu>

CiudadBrowser::CiudadBrowser(const QStringList& ciudades, QWidget* parent)
    // The focus goes to the text, so the user can type a city straight away.
    : ZLineEditBrowser(parent, false)
    , m_ciudades(ciudades)
{
    // The button drops a list to pick from.
    SetIcono(GetGestorTemasEstilo()->FromTheme(QStringLiteral("list"), ZCGestorTemasEstilo::EstadoNormal));
}

void CiudadBrowser::onPressBrowser()
{
    QMenu menu(this);
    for (const QString& ciudad : qAsConst(m_ciudades))
        menu.addAction(ciudad);
    menu.setActiveAction(menu.actions().value(m_ciudades.indexOf(text())));
    menu.adjustSize();
    PosicionaWidgetRespectoOtro(&menu, this, Qt::AlignLeft);
    if (const QAction* chosen = menu.exec(menu.pos())) {
        setText(chosen->text());
        // As if typed: whoever listens for the user's edits hears of it.
        getLineEdit()->emitTextEdited(chosen->text());
    }
}

// "Barras de herramientas": tool bars whose menus open on hover, an action carrying a pop-up
// editor under its button, the predefined shortcuts and Qt's print-preview icons.
#include "gallerypage.h"

#include <Mirokit/ZCAction.h>
#include <Mirokit/ZCEditorPopup.h>
#include <Mirokit/ZCKeySequence.h>
#include <Mirokit/ZCToolBar.h>

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QIcon resourceIcon(const char* name)
{
    return QIcon(QStringLiteral(":/Resources/%1.png").arg(QLatin1String(name)));
}

QAction* printPreviewAction(QMenu* menu, const QString& text, const char* iconName)
{
    QAction* action = menu->addAction(text);
    setupActionIconQtPrintPreview(action, QLatin1String(iconName));
    return action;
}

// A hover-menu button on \a bar; returns its menu, to be filled.
QMenu* addMenuButton(ZCToolBar* bar, const QString& text, const char* iconName)
{
    auto* button = new QToolButton;
    button->setText(text);
    button->setIcon(resourceIcon(iconName));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setMenu(new QMenu(text, button));
    bar->addWidget(button);
    return button->menu();
}

// The three menus of both bars: "Archivo", "Edición" and "Ver".
void addMenuButtons(ZCToolBar* bar)
{
    QMenu* file = addMenuButton(bar, QStringLiteral("Archivo"), "tg_carpeta");
    file->addAction(resourceIcon("tg_carpeta"), QStringLiteral("Abrir…"));
    printPreviewAction(file, QStringLiteral("Configurar página…"), "page-setup");
    printPreviewAction(file, QStringLiteral("Imprimir…"), "print");

    QMenu* edit = addMenuButton(bar, QStringLiteral("Edición"), "tg_edit");
    edit->addAction(resourceIcon("tg_deshacer"), QStringLiteral("Deshacer"));
    edit->addAction(resourceIcon("tg_rehacer"), QStringLiteral("Rehacer"));
    edit->addSeparator();
    edit->addAction(resourceIcon("tg_cortar"), QStringLiteral("Cortar"));
    edit->addAction(resourceIcon("tg_copiar"), QStringLiteral("Copiar"));
    edit->addAction(resourceIcon("tg_pegar"), QStringLiteral("Pegar"));

    QMenu* view = addMenuButton(bar, QStringLiteral("Ver"), "tv_pantalla");
    printPreviewAction(view, QStringLiteral("Ampliar"), "zoom-in");
    printPreviewAction(view, QStringLiteral("Reducir"), "zoom-out");
    printPreviewAction(view, QStringLiteral("Ajustar al ancho"), "fit-width");
    printPreviewAction(view, QStringLiteral("Página entera"), "fit-page");
}

// "Columnas": an action whose pop-up editor, a check list, opens under its button.
void addColumnsAction(ZCToolBar* bar)
{
    auto* columns = new ZCAction(resourceIcon("tg_add"), QStringLiteral("Columnas"), bar);
    columns->SetShortcut(QKeySequence(QStringLiteral("Ctrl+L")), Qt::WindowShortcut, true);
    bar->addAction(columns);

    auto* list = new QListWidget;
    for (const char* name : {"Código", "Nombre", "Fecha de alta", "Importe", "Observaciones"}) {
        auto* item = new QListWidgetItem(QString::fromUtf8(name), list);
        item->setCheckState(list->count() <= 3 ? Qt::Checked : Qt::Unchecked);
    }
    columns->SetWidgetPopup(list, bar);
    QObject::connect(columns, &QAction::triggered, columns, [columns] {
        if (ZCEditorPopup* popup = columns->GetEditorPopup())
            popup->show();
    });
}

ZCToolBar* horizontalBar()
{
    auto* bar = new ZCToolBar(nullptr, ZCToolBar::OrientationStyle | ZCToolBar::HoverMenus);
    addMenuButtons(bar);
    bar->addSeparator();
    auto* search = new ZCAction(resourceIcon("tg_fuente"), QStringLiteral("&Buscar..."), bar);
    search->SetShortcut(QKeySequence::Find, Qt::WindowShortcut, true);
    bar->addAction(search);
    addColumnsAction(bar);
    // F11 belongs to the main window's own full-screen action: a second action with it would
    // make the keys ambiguous and neither would run.
    auto* properties = new ZCAction(resourceIcon("tg_edit"), QStringLiteral("Propiedades"), bar);
    properties->SetShortcut(ZCKeySequence(ZCKeySequence::KeyPropiedades), Qt::WindowShortcut, true);
    bar->addAction(properties);
    return bar;
}

ZCToolBar* verticalBar()
{
    auto* bar = new ZCToolBar(nullptr, ZCToolBar::OrientationStyle | ZCToolBar::HoverMenus);
    addMenuButtons(bar);
    bar->setOrientation(Qt::Vertical);
    return bar;
}

QWidget* shortcutsBox()
{
    static const char* const uses[] = {"Pantalla completa", "Propiedades", "Subir", "Bajar",
                                       "Pestaña siguiente", "Pestaña anterior"};
    auto* box = new QGroupBox(QStringLiteral("Atajos predefinidos"));
    auto* layout = new QFormLayout(box);
    for (int key = ZCKeySequence::KeyPantallaCompleta; key <= ZCKeySequence::KeyAnteriorPestana; ++key) {
        const ZCKeySequence sequence(static_cast<ZCKeySequence::EKeyPreDef>(key));
        layout->addRow(QString::fromUtf8(uses[key]) + QLatin1Char(':'),
                       new QLabel(sequence.toString(QKeySequence::NativeText)));
    }
    return box;
}

QWidget* createToolBarsPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral(
        "Los menús se abren al pasar el puntero por sus botones y lo siguen de un botón a otro. "
        "«Columnas» abre su editor emergente bajo el botón.")));
    layout->addWidget(horizontalBar());

    auto* body = new QHBoxLayout;
    body->addWidget(verticalBar());
    auto* text = new QPlainTextEdit(QStringLiteral("La barra vertical abre los menús a la derecha de sus botones, que muestran solo el icono."));
    body->addWidget(text, 1);
    body->addWidget(shortcutsBox());
    layout->addLayout(body, 1);
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(15, "Barras de herramientas", createToolBarsPage);

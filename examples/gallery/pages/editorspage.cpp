// "Editores": the browser editors with their pick and menu buttons and pop-ups, capture mode
// switched on by a check box, and the list boxes.
#include "gallerypage.h"

#include <Mirokit/ZCEditBrowserEstilos.h>
#include <Mirokit/ZCEditBrowserFont.h>
#include <Mirokit/ZCEditBrowserMenu.h>
#include <Mirokit/ZCEditBrowserStringList.h>
#include <Mirokit/ZCEditBrowserTexto.h>
#include <Mirokit/ZCEditorPopup.h>
#include <Mirokit/ZCListBoxCheckEstilos.h>
#include <Mirokit/ZCListBoxText.h>
#include <Mirokit/ZFilePathEditBrowser.h>
#include <Mirokit/ZLineEditBrowser.h>

#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QStringList styleNames{QStringLiteral("Negrita"), QStringLiteral("Cursiva"), QStringLiteral("Subrayado"),
                             QStringLiteral("Tachado")};

// Shows what reaches a browser in capture mode: the keys sent to it and the focus events.
class CaptureLog : public QObject
{
public:
    explicit CaptureLog(QLabel* label)
        : QObject(label)
        , m_label(label)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        QString what;
        if (event->type() == ZAbstractBrowser::FocusEntraEvent)
            what = QStringLiteral("entra (1001)");
        else if (event->type() == ZAbstractBrowser::FocusSaleEvent)
            what = QStringLiteral("sale (1002)");
        else if (event->type() == QEvent::KeyPress)
            what = QKeySequence(static_cast<QKeyEvent*>(event)->key()).toString();
        if (!what.isEmpty())
            m_label->setText(QStringLiteral("%1: %2").arg(watched->objectName(), what));
        return false;
    }

private:
    QLabel* m_label;
};

QWidget* browsersForm(bool capture, QLabel* log)
{
    auto* form = new QWidget;
    auto* layout = new QFormLayout(form);

    auto* plain = new ZLineEditBrowser;
    plain->setPlaceholderText(QStringLiteral("Sin botón de selección: sólo el menú"));
    plain->hideButton();
    auto* menu = new QMenu(QStringLiteral("Acciones"), plain);
    menu->addAction(QStringLiteral("Copiar el código"));
    menu->addAction(QStringLiteral("Borrar"), plain, [plain] { plain->setText(QString()); });
    plain->SetMenu(menu);
    layout->addRow(QStringLiteral("Con menú (Mayús+F4):"), plain);

    auto* styles = new ZCEditBrowserEstilos;
    styles->setEstilos(5, styleNames, 0xF);
    layout->addRow(QStringLiteral("Estilos:"), styles);

    auto* strings = new ZCEditBrowserStringList;
    strings->SetStringList({QStringLiteral("Bilbao"), QStringLiteral("Madrid"), QStringLiteral("Sevilla")});
    layout->addRow(QStringLiteral("Lista de textos:"), strings);

    auto* font = new ZCEditBrowserFont;
    font->setFont(QFont(QStringLiteral("Roboto"), 11));
    layout->addRow(QStringLiteral("Fuente:"), font);

    auto* path = new ZFilePathEditBrowser(nullptr, false, false);
    path->SetInfoOpenDialog(QStringLiteral("Elija un informe"), QDir::homePath(), QStringLiteral("Informes (*.txt *.pdf)"));
    layout->addRow(QStringLiteral("Fichero:"), path);

    auto* actions = new ZCEditBrowserMenu;
    actions->setText(QStringLiteral("Pulse F4"));
    for (const QString& name : {QStringLiteral("Cliente"), QStringLiteral("Proveedor")}) {
        auto* action = new QAction(name, actions);
        QObject::connect(action, &QAction::triggered, actions, [actions, name] { actions->setText(name); });
        actions->addAction(action);
    }
    actions->addSeparador();
    const int more = actions->addSubMenu(QStringLiteral("Otros"));
    auto* employee = new QAction(QStringLiteral("Empleado"), actions);
    QObject::connect(employee, &QAction::triggered, actions, [actions] { actions->setText(QStringLiteral("Empleado")); });
    actions->addActionToSubMenu(employee, more);
    layout->addRow(QStringLiteral("Menú:"), actions);

    auto* text = new ZCEditBrowserTexto(nullptr, false);
    text->SetTexto(QStringLiteral("Texto simple, editable aquí mismo."));
    text->setFixedHeight(54);
    layout->addRow(QStringLiteral("Texto:"), text);

    auto* rich = new ZCEditBrowserTexto(nullptr, true, Qt::AlignLeft);
    rich->SetTexto(QStringLiteral("<p>Texto <b>enriquecido</b>: se edita en el diálogo.</p>"));
    rich->setFixedHeight(54);
    layout->addRow(QStringLiteral("Texto enriquecido:"), rich);

    if (capture) {
        auto* logger = new CaptureLog(log);
        const QList<ZAbstractBrowser*> browsers{plain, styles, strings, font, path, actions, text, rich};
        for (ZAbstractBrowser* browser : browsers) {
            browser->setObjectName(browser->metaObject()->className());
            browser->SetCaptureAndSendTabs();
            browser->installEventFilter(logger);
        }
    }
    return form;
}

QWidget* browsersBox()
{
    auto* box = new QGroupBox(QStringLiteral("Editores con botón de selección (F4)"));
    auto* layout = new QVBoxLayout(box);
    auto* capture = new QCheckBox(QStringLiteral("Modo captura: Tab, flechas y foco llegan al control"));
    auto* log = new QLabel(QStringLiteral("Active el modo captura y recorra los campos"));
    log->setEnabled(false);
    layout->addWidget(capture);
    layout->addWidget(log);
    auto* form = browsersForm(false, log);
    layout->addWidget(form);
    layout->addStretch();
    // Capture mode is switched on once per browser, so the form is built again for each choice.
    QObject::connect(capture, &QCheckBox::toggled, box, [layout, log, form](bool on) mutable {
        auto* rebuilt = browsersForm(on, log);
        delete layout->replaceWidget(form, rebuilt);
        delete form;
        form = rebuilt;
        log->setEnabled(on);
    });
    return box;
}

QWidget* listsBox()
{
    auto* box = new QGroupBox(QStringLiteral("Listas"));
    auto* layout = new QHBoxLayout(box);

    auto* checks = new ZCListBoxCheck;
    checks->addItem(QStringLiteral("Enviar por correo"), true, 1);
    checks->addItem(QStringLiteral("Imprimir copia"), false, 2);
    checks->addItem(QStringLiteral("Archivar"), true, 3);
    auto* styles = new ZCListBoxCheckEstilos;
    styles->setEstilos(5, styleNames, 0xB);
    auto* sorted = new ZCListBoxText;
    sorted->AddStrings({QStringLiteral("Bilbao"), QStringLiteral("Lugo"), QStringLiteral("Madrid"), QStringLiteral("Sevilla")});
    auto* unsorted = new ZCListBoxText(nullptr, false);
    unsorted->AddStrings({QStringLiteral("Tercero"), QStringLiteral("Primero"), QStringLiteral("Segundo")});

    const QList<QPair<QString, QWidget*>> lists{{QStringLiteral("Casillas (Espacio)"), checks},
                                                {QStringLiteral("Estilos, uno oculto"), styles},
                                                {QStringLiteral("Ordenada, sin repetidos"), sorted},
                                                {QStringLiteral("Con orden propio"), unsorted}};
    for (const auto& list : lists) {
        auto* column = new QVBoxLayout;
        column->addWidget(new QLabel(list.first));
        column->addWidget(list.second, 1);
        column->addStretch();  // room left by a list that fits its items
        layout->addLayout(column);
    }

    auto* open = new QPushButton(QStringLiteral("Editor emergente…"));
    QObject::connect(open, &QPushButton::clicked, open, [open] {
        auto* popup = new ZCEditorPopup(open);
        popup->setAttribute(Qt::WA_DeleteOnClose);
        auto* list = new ZCListBoxCheckEstilos;
        list->setEstilos(3, styleNames, 0xF);
        popup->setEditor(list);
        popup->SetVerBotones(true);
        popup->SetSizeGripEnabled(true);
        QObject::connect(popup, &ZCEditorPopup::accepted, open, [open, list] {
            open->setText(QStringLiteral("Editor emergente… (aceptado: %1)").arg(list->getEstilos()));
        });
        popup->show();
    });
    auto* column = new QVBoxLayout;
    column->addWidget(open);
    column->addStretch();
    layout->addLayout(column);
    return box;
}

QWidget* createEditorsPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(browsersBox());
    layout->addWidget(listsBox(), 1);
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(55, "Editores", createEditorsPage);

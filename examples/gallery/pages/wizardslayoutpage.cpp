// "Asistentes y disposición": a complex and a simple wizard, the flow layout, the grow-mode
// splitter, kinetic scrolling and the palette.
#include "gallerypage.h"

#include <Mirokit/ZCComplexWizard.h>
#include <Mirokit/ZCFlowLayout.h>
#include <Mirokit/ZCPaletaWidget.h>
#include <Mirokit/ZCScroller.h>
#include <Mirokit/ZCSimpleWizard.h>
#include <Mirokit/ZCSplitter.h>
#include <Mirokit/ZCSplitterHandle.h>
#include <Mirokit/ZCWizardPage.h>

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// A page with a form; "complete" once its one field holds text.
class FormPage : public ZCWizardPage
{
public:
    FormPage(const QString& label, QWidget* parent) : ZCWizardPage(parent)
    {
        auto* form = new QFormLayout(this);
        form->addRow(label, m_field);
        connect(m_field, &QLineEdit::textChanged, this, &ZCWizardPage::completeStateChanged);
    }
    bool isComplete() override { return !m_field->text().isEmpty(); }
    ZCWizardPage* nextPage() override { return next; }
    bool isLastPage() override { return !next; }
    ZCWizardPage* next = nullptr;

private:
    QLineEdit* m_field = new QLineEdit;
};

// The first page chooses the path: companies give a tax id, persons a name.
class KindPage : public ZCWizardPage
{
public:
    explicit KindPage(QWidget* parent) : ZCWizardPage(parent)
    {
        (new QVBoxLayout(this))->addWidget(m_company);
    }
    ZCWizardPage* nextPage() override { return m_company->isChecked() ? company : person; }
    ZCWizardPage* company = nullptr;
    ZCWizardPage* person = nullptr;

private:
    QCheckBox* m_company = new QCheckBox(QStringLiteral("Es una empresa"));
};

class SignUpWizard : public ZCComplexWizard
{
public:
    explicit SignUpWizard(QWidget* parent)
        : ZCComplexWizard(parent, QStringLiteral("Alta de cliente"), QStringLiteral("GaleriaAsistente"))
    {
        SetTextoHeaderBox(QStringLiteral("Alta de cliente"));
        auto* kind = new KindPage(this);
        auto* name = new FormPage(QStringLiteral("Nombre:"), this);
        auto* taxId = new FormPage(QStringLiteral("CIF:"), this);
        auto* address = new FormPage(QStringLiteral("Dirección:"), this);
        kind->person = name;
        kind->company = taxId;
        name->next = address;
        taxId->next = address;
        resize(460, 300);
        setFirstPage(kind);
    }
};

class ImportWizard : public ZCSimpleWizard
{
public:
    explicit ImportWizard(QWidget* parent) : ZCSimpleWizard(parent)
    {
        setTituloVentana(QStringLiteral("Importar tarifas"), true);
        resize(420, 240);
        setNumPages(3);
    }

protected:
    QWidget* createPage(int index) override
    {
        static const char* const texts[] = {"Elija el fichero de tarifas.", "Revise las columnas detectadas.",
                                            "Pulse Finalizar para importar."};
        auto* page = new QLabel(QString::fromUtf8(texts[index]));
        page->setAlignment(Qt::AlignCenter);
        return page;
    }
};

QWidget* wizardsBox()
{
    auto* box = new QGroupBox(QStringLiteral("Asistentes"));
    auto* layout = new QHBoxLayout(box);
    auto* complex = new QPushButton(QStringLiteral("Asistente con páginas que eligen la siguiente…"));
    QObject::connect(complex, &QPushButton::clicked, box, [box] {
        (new SignUpWizard(box->window()))->OpenAndDelete();
    });
    auto* simple = new QPushButton(QStringLiteral("Asistente de tres pasos…"));
    QObject::connect(simple, &QPushButton::clicked, box, [box] {
        (new ImportWizard(box->window()))->OpenAndDelete();
    });
    layout->addWidget(complex);
    layout->addWidget(simple);
    layout->addStretch();
    return box;
}

QWidget* tagsBox()
{
    auto* box = new QGroupBox(QStringLiteral("Disposición en flujo: las etiquetas se recolocan con la ventana"));
    auto* flow = new ZCFlowLayout(ZCFlowLayout::Filas, box);
    const QStringList tags = QStringLiteral(
        "cliente,proveedor,factura,albarán,pedido,presupuesto,urgente,pendiente,pagado,devuelto,"
        "Madrid,Sevilla,Bilbao,exportación,mayorista,minorista,transporte,almacén central,revisar,archivado")
        .split(QLatin1Char(','));
    for (const QString& tag : tags) {
        auto* label = new QLabel(tag);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("background: #e3edf7; border: 1px solid #90b4d8; border-radius: 8px; padding: 2px 8px;"));
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        flow->addWidget(label);
    }
    return box;
}

QWidget* section(const QString& text, const QColor& colour)
{
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    // A style sheet, since the gallery's theme sheet would override a palette.
    label->setStyleSheet(QStringLiteral("background: %1;").arg(colour.name()));
    return label;
}

QWidget* splitterBox()
{
    auto* box = new QGroupBox(QStringLiteral("Divisor que crece: arrastre un asa y sólo cambia la sección anterior"));
    auto* layout = new QVBoxLayout(box);
    auto* area = new QScrollArea;
    area->setFixedHeight(90);
    auto* splitter = new ZCSplitter(ZCSplitter::Crecer);
    splitter->addWidget(section(QStringLiteral("Código"), QColor(0xffe0b2)));
    splitter->addWidget(section(QStringLiteral("Descripción"), QColor(0xc8e6c9)));
    splitter->addWidget(section(QStringLiteral("Importe"), QColor(0xbbdefb)));
    splitter->setHandleWidth(8);
    splitter->setSizes({120, 220, 120});
    for (int i = 1; i < splitter->count(); ++i)
        static_cast<ZCSplitterHandle*>(splitter->handle(i))->SetSizeHandle(24);
    splitter->resize(460 + 2 * splitter->handleWidth(), 60);
    area->setWidget(splitter);
    layout->addWidget(area);
    return box;
}

QWidget* kineticBox()
{
    auto* box = new QGroupBox(QStringLiteral("Desplazamiento cinético: arrastre la lista y suéltela"));
    auto* layout = new QVBoxLayout(box);
    auto* list = new QListWidget;
    for (int i = 1; i <= 300; ++i)
        list->addItem(QStringLiteral("Artículo %1").arg(i, 3, 10, QLatin1Char('0')));
    ZCScroller::GrabGesture(list);
    layout->addWidget(list);
    return box;
}

QList<QColor>* corporateColours()
{
    // Palettes edit their list in place and need it for as long as they live.
    static QList<QColor> colours{QColor(0xc62828), QColor(0xad1457), QColor(0x6a1b9a), QColor(0x283593),
                                 QColor(0x1565c0), QColor(0x00838f), QColor(0x2e7d32), QColor(0x9e9d24),
                                 QColor(0xff8f00), QColor(0x4e342e), QColor(0x424242), QColor(0, 0, 0, 90),
                                 QColor(0xf48fb1), QColor(0x90caf9)};
    return &colours;
}

QWidget* paletteBox()
{
    auto* box = new QGroupBox(QStringLiteral("Paleta: flechas y espacio, o el ratón"));
    auto* layout = new QVBoxLayout(box);
    auto* inlinePalette = new ZCPaletaWidget(corporateColours(), box);
    inlinePalette->setSizeCelda(24);
    inlinePalette->setEspacioEntreCeldas(2);
    inlinePalette->setFocoEnColor(QColor(0x1565c0));
    auto* chosen = new QLabel(QStringLiteral("Elija un color"));
    const auto show = [chosen](const QColor& colour) {
        chosen->setText(QStringLiteral("Color: %1").arg(colour.name(QColor::HexArgb)));
        chosen->setStyleSheet(QStringLiteral("border-left: 14px solid %1; padding-left: 6px;").arg(colour.name()));
    };
    QObject::connect(inlinePalette, &ZCPaletaWidget::colorSelected, chosen, show);
    auto* open = new QPushButton(QStringLiteral("Paleta emergente…"));
    QObject::connect(open, &QPushButton::clicked, open, [open, chosen, show] {
        static QList<QColor> popupColours = *corporateColours();
        auto* popup = new ZCPaletaWidget(&popupColours, open, true, true);
        popup->setAttribute(Qt::WA_DeleteOnClose);
        popup->setVertical(7);
        QObject::connect(popup, &ZCPaletaWidget::colorSelected, chosen, show);
        popup->show();
        popup->setFocus();
    });
    auto* row = new QHBoxLayout;
    row->addWidget(inlinePalette, 0, Qt::AlignTop);
    row->addSpacing(12);
    auto* side = new QVBoxLayout;
    side->addWidget(chosen);
    side->addWidget(open);
    side->addStretch();
    row->addLayout(side);
    row->addStretch();
    layout->addLayout(row);
    layout->addStretch();
    return box;
}

QWidget* createWizardsLayoutPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(wizardsBox());
    layout->addWidget(tagsBox());
    layout->addWidget(splitterBox());
    auto* row = new QHBoxLayout;
    row->addWidget(kineticBox(), 1);
    row->addWidget(paletteBox(), 1);
    layout->addLayout(row, 1);
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(85, "Asistentes y disposición", createWizardsLayoutPage);

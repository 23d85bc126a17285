// "Asistentes y disposición": a complex and a simple wizard, the flow layout, the grow-mode
// splitter, kinetic scrolling and the palette.
#include "gallerypage.h"

#include <Mirokit/ZCComplexWizard.h>
#include <Mirokit/ZCSimpleWizard.h>
#include <Mirokit/ZCWizardPage.h>

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

QWidget* createWizardsLayoutPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(wizardsBox());
    layout->addStretch();
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(85, "Asistentes y disposición", createWizardsLayoutPage);

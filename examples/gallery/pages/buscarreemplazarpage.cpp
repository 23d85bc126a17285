// "Buscar y reemplazar": a text editor and a code editor, each with its find-and-replace form.
// The code editor comes from the Scintilla component, which is under the GPL (see
// examples/gallery/CMakeLists.txt).
#include "codeeditor.h"
#include "gallerypage.h"

#include <Mirokit/ZCBuscarReemplazarEditorQsciScintilla.h>
#include <Mirokit/ZCBuscarReemplazarEditorTextEdit.h>
#include <Mirokit/ZCBuscarReemplazarWidget.h>

#include <Qsci/qsciscintilla.h>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include <functional>

namespace {

const char* const letter =
    "Estimado cliente:\n\n"
    "Le recordamos que el importe pendiente de su factura de marzo vence el próximo lunes. "
    "Si ya ha realizado el pago, le rogamos que ignore este aviso; si no, puede abonar el importe "
    "por transferencia o en cualquiera de nuestras oficinas.\n\n"
    "El importe incluye los gastos de envío y el IVA. Para cualquier duda sobre el importe o la "
    "fecha de cobro, llame a nuestro servicio de atención al cliente.\n\n"
    "Atentamente,\nel departamento de cobros";

const char* const script =
    "// Calcula el importe total de un pedido con sus descuentos.\n"
    "function importeTotal(pedido) {\n"
    "    let importe = 0;\n"
    "    for (const linea of pedido.lineas) {\n"
    "        const bruto = linea.cantidad * linea.precio;\n"
    "        importe += bruto - bruto * (linea.descuento ?? 0) / 100;\n"
    "    }\n"
    "    return Math.round(importe * 100) / 100;  // céntimos exactos\n"
    "}\n\n"
    "function resumen(pedido) {\n"
    "    return `Pedido ${pedido.numero}: ${importeTotal(pedido)} €`;\n"
    "}\n";

// A button that gives the form a search from code, as a host's own command would, and a label
// that shows what the form's signals report, whoever ran the command.
QWidget* commandsFromCode(ZCBuscarReemplazarWidget* form, const QString& buttonText,
                          const std::function<void(ZCBuscarReemplazarWidget*)>& command)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* button = new QPushButton(buttonText);
    auto* outcome = new QLabel;
    outcome->setObjectName(QStringLiteral("resultado"));
    QObject::connect(button, &QPushButton::clicked, form, [form, command] { command(form); });
    QObject::connect(form, &ZCBuscarReemplazarWidget::encontrado, outcome, [outcome](bool found) {
        outcome->setText(found ? QStringLiteral("encontrado(true)") : QStringLiteral("encontrado(false)"));
    });
    QObject::connect(form, &ZCBuscarReemplazarWidget::reemplazados, outcome, [outcome](int count) {
        outcome->setText(QStringLiteral("reemplazados(%1)").arg(count));
    });
    layout->addWidget(button);
    layout->addWidget(outcome, 1);
    return row;
}

// An editor above its form, which starts with the word under the editor's cursor as its search
// text; the adapter belongs to the group.
QGroupBox* editorWithForm(const QString& title, QWidget* editor, ZCBuscarReemplazarEditor* adapter,
                          const QString& buttonText, const std::function<void(ZCBuscarReemplazarWidget*)>& command)
{
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    adapter->setParent(box);
    auto* form = new ZCBuscarReemplazarWidget;
    form->SetEditor(adapter);
    form->ReIniciar();
    layout->addWidget(editor, 1);
    layout->addWidget(commandsFromCode(form, buttonText, command));
    layout->addWidget(form);
    return box;
}

QWidget* textEditorBox()
{
    auto* editor = new QTextEdit;
    const QString text = QString::fromUtf8(letter);
    editor->setPlainText(text);
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(text.indexOf(QStringLiteral("importe")));
    editor->setTextCursor(cursor);
    return editorWithForm(QStringLiteral("Texto (QTextEdit)"), editor, new ZCBuscarReemplazarEditorTextEdit(editor),
                          QStringLiteral("Cambiar «importe» por «total»"), [](ZCBuscarReemplazarWidget* form) {
                              form->SetTextoBuscar(QStringLiteral("importe"));
                              form->SetTextoReemplazar(QStringLiteral("total"));
                              form->SetOpciones(ZCBuscarReemplazarWidget::PalabrasCompletas
                                                | ZCBuscarReemplazarWidget::DarLaVuelta);
                              form->ReemplazarTodos();
                          });
}

QWidget* codeEditorBox()
{
    QsciScintilla* editor = createJavaScriptEditor();
    editor->setText(QString::fromUtf8(script));
    editor->setCursorPosition(2, 9);  // in "importe" of the third line
    return editorWithForm(QStringLiteral("Código (QsciScintilla)"), editor,
                          new ZCBuscarReemplazarEditorQsciScintilla(editor),
                          QStringLiteral("Siguiente número (expresión regular)"), [](ZCBuscarReemplazarWidget* form) {
                              form->SetTextoBuscar(QStringLiteral("\\b\\d+\\b"));
                              form->SetOpciones(ZCBuscarReemplazarWidget::ExpresionRegular
                                                | ZCBuscarReemplazarWidget::DarLaVuelta);
                              form->BuscarSiguiente();
                          });
}

QWidget* createBuscarReemplazarPage()
{
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(textEditorBox(), 1);
    layout->addWidget(codeEditorBox(), 1);
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(87, "Buscar y reemplazar", createBuscarReemplazarPage);

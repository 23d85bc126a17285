#include "zcbuscarreemplazarwidget.h"

#include "zcbuscarreemplazareditor.h"

#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <utility>

namespace {
constexpr int notFoundMessageTime = 5000;
constexpr int wrappedMessageTime = 1000;
constexpr int replacedMessageTime = 5000;

constexpr ZCBuscarReemplazarWidget::EOpcionBuscar allOptions[] = {
    ZCBuscarReemplazarWidget::CoincidirMayusculas, ZCBuscarReemplazarWidget::PalabrasCompletas,
    ZCBuscarReemplazarWidget::HaciaAtras, ZCBuscarReemplazarWidget::ExpresionRegular,
    ZCBuscarReemplazarWidget::DarLaVuelta};
} // namespace

ZCBuscarReemplazarWidget::ZCBuscarReemplazarWidget(QWidget* parent)
    : QWidget(parent)
    , m_textoBuscar(new QLineEdit(this))
    , m_textoReemplazar(new QLineEdit(this))
    , m_mayusculas(new QCheckBox(tr("Coincidir minúsculas y mayúsculas"), this))
    , m_palabrasCompletas(new QCheckBox(tr("Palabras completas"), this))
    , m_haciaAtras(new QCheckBox(tr("Hacia atras"), this))
    , m_expresionRegular(new QCheckBox(tr("Expresión regular"), this))
    , m_darLaVuelta(new QCheckBox(tr("Dar la vuelta al documento"), this))
    , m_botonBuscar(new QPushButton(tr("&Buscar"), this))
    , m_botonReemplazar(new QPushButton(tr("&Reemplazar"), this))
    , m_botonReemplazarTodos(new QPushButton(tr("Reemplazar &todos"), this))
    , m_layoutBotones(new QHBoxLayout)
    , m_statusBar(new QStatusBar(this))
{
    auto* grid = new QGridLayout;
    // The labels name their fields for screen readers too.
    auto* buscarLabel = new QLabel(tr("Buscar:"), this);
    buscarLabel->setBuddy(m_textoBuscar);
    grid->addWidget(buscarLabel, 0, 0);
    grid->addWidget(m_textoBuscar, 0, 1);
    auto* reemplazarLabel = new QLabel(tr("Reemplazar por:"), this);
    reemplazarLabel->setBuddy(m_textoReemplazar);
    grid->addWidget(reemplazarLabel, 1, 0);
    grid->addWidget(m_textoReemplazar, 1, 1);
    grid->addWidget(m_mayusculas, 2, 0, 1, 2);
    grid->addWidget(m_palabrasCompletas, 3, 0, 1, 2);
    grid->addWidget(m_haciaAtras, 4, 0, 1, 2);
    grid->addWidget(m_expresionRegular, 5, 0, 1, 2);
    grid->addWidget(m_darLaVuelta, 6, 0, 1, 2);
    m_darLaVuelta->setChecked(true);

    const std::pair<QObject*, const char*> names[] = {
        {m_textoBuscar, "textoBuscar"},
        {m_textoReemplazar, "textoReemplazar"},
        {m_mayusculas, "mayusculas"},
        {m_palabrasCompletas, "palabrasCompletas"},
        {m_haciaAtras, "haciaAtras"},
        {m_expresionRegular, "expresionRegular"},
        {m_darLaVuelta, "darLaVuelta"},
        {m_botonBuscar, "botonBuscar"},
        {m_botonReemplazar, "botonReemplazar"},
        {m_botonReemplazarTodos, "botonReemplazarTodos"},
        {m_statusBar, "estado"},
    };
    for (const auto& [object, name] : names)
        object->setObjectName(QLatin1String(name));

    // A grip would resize the window from the middle of the form.
    m_statusBar->setSizeGripEnabled(false);
    m_layoutBotones->addWidget(m_botonBuscar);
    m_layoutBotones->addWidget(m_botonReemplazar);
    m_layoutBotones->addWidget(m_botonReemplazarTodos);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(m_statusBar);
    layout->addLayout(m_layoutBotones);

    connect(m_botonBuscar, &QPushButton::clicked, this, &ZCBuscarReemplazarWidget::onBuscar);
    connect(m_botonReemplazar, &QPushButton::clicked, this, &ZCBuscarReemplazarWidget::onReemplazar);
    connect(m_botonReemplazarTodos, &QPushButton::clicked, this, &ZCBuscarReemplazarWidget::onReemplazarTodos);
}

void ZCBuscarReemplazarWidget::SetEditor(ZCBuscarReemplazarEditor* editor)
{
    if (m_editorWidget)
        m_editorWidget->removeEventFilter(this);
    m_editor = editor;
    m_editorWidget = editor ? editor->GetEditor() : nullptr;
    if (m_editorWidget)
        m_editorWidget->installEventFilter(this);
    // The form follows the editor it serves now: one form for several editors (a tab each) hid
    // with the editor it served before and comes back with a visible one. Without an editor
    // there is nothing to follow, and the form is as the user left it.
    followEditorVisibility(!m_editorWidget || m_editorWidget->isVisible());
}

void ZCBuscarReemplazarWidget::SetTextoBuscar(const QString& text)
{
    m_textoBuscar->setText(text);
}

QString ZCBuscarReemplazarWidget::GetTextoBuscar() const
{
    return m_textoBuscar->text();
}

void ZCBuscarReemplazarWidget::SetTextoReemplazar(const QString& text)
{
    m_textoReemplazar->setText(text);
}

QString ZCBuscarReemplazarWidget::GetTextoReemplazar() const
{
    return m_textoReemplazar->text();
}

QCheckBox* ZCBuscarReemplazarWidget::optionBox(EOpcionBuscar option) const
{
    switch (option) {
    case CoincidirMayusculas:
        return m_mayusculas;
    case PalabrasCompletas:
        return m_palabrasCompletas;
    case HaciaAtras:
        return m_haciaAtras;
    case ExpresionRegular:
        return m_expresionRegular;
    case DarLaVuelta:
        return m_darLaVuelta;
    }
    return nullptr;
}

void ZCBuscarReemplazarWidget::SetOpcion(EOpcionBuscar option, bool on)
{
    if (QCheckBox* box = optionBox(option))
        box->setChecked(on);
}

void ZCBuscarReemplazarWidget::SetOpciones(EOpcionesBuscar options)
{
    for (EOpcionBuscar option : allOptions)
        SetOpcion(option, options.testFlag(option));
}

ZCBuscarReemplazarWidget::EOpcionesBuscar ZCBuscarReemplazarWidget::GetOpciones() const
{
    EOpcionesBuscar options;
    for (EOpcionBuscar option : allOptions)
        options.setFlag(option, optionBox(option)->isChecked());
    return options;
}

ZCBuscarReemplazarEditor* ZCBuscarReemplazarWidget::GetEditor() const
{
    return m_editor;
}

void ZCBuscarReemplazarWidget::SetDlgBuscarReemplazar(QDialog* dialog)
{
    m_dialog = dialog;
}

QHBoxLayout* ZCBuscarReemplazarWidget::GetLayoutBotones() const
{
    return m_layoutBotones;
}

// Both the adapter and its editor may have been deleted since SetEditor(): the form's actions
// then do nothing.
bool ZCBuscarReemplazarWidget::hasEditor() const
{
    return m_editor && m_editor->GetEditor();
}

// Announces an action on the editor. Its receivers may point the form at another editor or at
// none, so the editor is looked for again afterwards.
bool ZCBuscarReemplazarWidget::announce()
{
    if (!hasEditor())
        return false;
    emit preBuscarReemplazar();
    return hasEditor();
}

void ZCBuscarReemplazarWidget::ReIniciar()
{
    if (!announce())
        return;
    QString word;
    m_editor->GetPalabraActual(word);
    // Outside any word the previous search text is worth more than an empty field.
    if (!word.isEmpty())
        m_textoBuscar->setText(word);
    m_textoBuscar->selectAll();
    m_textoBuscar->setFocus();
    m_botonBuscar->setDefault(true);
}

bool ZCBuscarReemplazarWidget::prepareSearch()
{
    m_editor->SetExpresionRegular(m_expresionRegular->isChecked());
    m_editor->SetDarLaVuelta(m_darLaVuelta->isChecked());
    QString error;
    if (m_editor->EsBuscable(m_textoBuscar->text(), &error))
        return true;
    // An empty text is simply not found; a broken expression says why.
    if (m_textoBuscar->text().isEmpty())
        showNotFound();
    else
        m_statusBar->showMessage(tr("La expresión regular no es válida: %1").arg(error), notFoundMessageTime);
    return false;
}

bool ZCBuscarReemplazarWidget::reportSearch()
{
    CheckShowBuscarHaDadoLaVuelta();
    const bool found = m_editor && m_editor->GetEstadoVuelta() != ZCBuscarReemplazarEditor::NoEncontrado;
    emit encontrado(found);
    return found;
}

bool ZCBuscarReemplazarWidget::buscar(bool backwards)
{
    if (!announce())
        return false;
    if (!prepareSearch()) {
        emit encontrado(false);
        return false;
    }
    m_editor->Buscar(m_textoBuscar->text(), m_mayusculas->isChecked(), m_palabrasCompletas->isChecked(),
                     backwards);
    return reportSearch();
}

void ZCBuscarReemplazarWidget::onBuscar()
{
    Buscar();
}

void ZCBuscarReemplazarWidget::onBuscarSiguiente()
{
    BuscarSiguiente();
}

void ZCBuscarReemplazarWidget::onBuscarAnterior()
{
    BuscarAnterior();
}

void ZCBuscarReemplazarWidget::onReemplazar()
{
    Reemplazar();
}

void ZCBuscarReemplazarWidget::onReemplazarTodos()
{
    ReemplazarTodos();
}

bool ZCBuscarReemplazarWidget::Buscar()
{
    return buscar(m_haciaAtras->isChecked());
}

bool ZCBuscarReemplazarWidget::BuscarSiguiente()
{
    return buscar(false);
}

bool ZCBuscarReemplazarWidget::BuscarAnterior()
{
    return buscar(true);
}

bool ZCBuscarReemplazarWidget::Reemplazar()
{
    if (!announce())
        return false;
    bool replaced = false;
    if (prepareSearch()) {
        replaced = m_editor->Reemplazar(m_textoBuscar->text(), m_mayusculas->isChecked(),
                                        m_palabrasCompletas->isChecked(), m_haciaAtras->isChecked(),
                                        m_textoReemplazar->text(), true);
        reportSearch();
    } else {
        emit encontrado(false);
    }
    emit reemplazados(replaced ? 1 : 0);
    return replaced;
}

int ZCBuscarReemplazarWidget::ReemplazarTodos()
{
    if (!announce())
        return 0;
    int count = 0;
    if (prepareSearch()) {
        count = m_editor->ReemplazarTodos(m_textoBuscar->text(), m_mayusculas->isChecked(),
                                          m_palabrasCompletas->isChecked(), m_haciaAtras->isChecked(),
                                          m_textoReemplazar->text());
        m_statusBar->showMessage(tr("%1 coincidencias cambiadas").arg(count), replacedMessageTime);
    }
    emit reemplazados(count);
    return count;
}

void ZCBuscarReemplazarWidget::CheckShowBuscarHaDadoLaVuelta()
{
    if (!m_editor)
        return;
    switch (m_editor->GetEstadoVuelta()) {
    case ZCBuscarReemplazarEditor::Encontrado:
        break;
    case ZCBuscarReemplazarEditor::VueltaPorElPrincipio:
        m_statusBar->showMessage(tr("Se ha llegado al %1 del documento").arg(tr("principio")), wrappedMessageTime);
        break;
    case ZCBuscarReemplazarEditor::VueltaPorElFinal:
        m_statusBar->showMessage(tr("Se ha llegado al %1 del documento").arg(tr("final")), wrappedMessageTime);
        break;
    case ZCBuscarReemplazarEditor::NoEncontrado:
        showNotFound();
        break;
    }
}

void ZCBuscarReemplazarWidget::showNotFound()
{
    m_statusBar->showMessage(tr("No se puede encontrar el texto \"%1\"").arg(m_textoBuscar->text()),
                             notFoundMessageTime);
}

QWidget* ZCBuscarReemplazarWidget::shownWindow()
{
    if (m_dialog)
        return m_dialog;
    return this;
}

void ZCBuscarReemplazarWidget::followEditorVisibility(bool editorShown)
{
    if (editorShown) {
        if (m_wasVisible)
            shownWindow()->show();
        m_wasVisible = false;
        return;
    }
    // Already hidden with an editor: it still has to come back when the next one shows.
    if (m_wasVisible || !isVisible())
        return;
    m_wasVisible = true;
    shownWindow()->hide();
}

bool ZCBuscarReemplazarWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editorWidget && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        followEditorVisibility(event->type() == QEvent::Show);
    return QWidget::eventFilter(watched, event);
}

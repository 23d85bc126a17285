// "Entradas": the combo tree over a tree that loads its nodes on demand, the IP address field,
// the label with an icon, the themed push button in its three states and the input prompts.
#include "gallerypage.h"

#include <Mirokit/ZCComboTree.h>
#include <Mirokit/ZCGestorTemasEstilo.h>
#include <Mirokit/ZCIPEdit.h>
#include <Mirokit/ZCInputDialog.h>
#include <Mirokit/ZCInputPasswordDialog.h>
#include <Mirokit/ZCInputPasswordWidget.h>
#include <Mirokit/ZCLabelTextIcon.h>
#include <Mirokit/ZCPushButton.h>
#include <Mirokit/ZCTreeItem.h>
#include <Mirokit/ZCTreeModel.h>
#include <Mirokit/ZCWaitCursor.h>

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <functional>
#include <memory>

namespace {

// Regions and their provinces, each level created only when the drop-down first shows it.
// The first top-level row stands for "no choice". A node's data is its row in `names` + 1.
class RegionModel : public ZCTreeModel
{
public:
    explicit RegionModel(QObject* parent)
        : ZCTreeModel(parent)
    {
        m_titulos = QStringList{QStringLiteral("Región")};
    }

    void CargarChilds(ZCTreeItem* item) override
    {
        ++loads;
        const int node = nodeOf(item);
        for (int child = 0; child < names.size(); ++child) {
            if (parents.at(child) == node)
                item->AddChild(reinterpret_cast<void*>(quintptr(child + 1)));
        }
        item->SetEstaCargado(true);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return QVariant();
        const int node = nodeOf(itemFromIndex(index));
        return node >= 0 ? names.at(node) : QString();
    }

    int loads = 0;

private:
    // -1 for the root.
    static int nodeOf(const ZCTreeItem* item) { return int(reinterpret_cast<quintptr>(item->GetData())) - 1; }

    const QStringList names{
        QStringLiteral("(sin elegir)"), QStringLiteral("Andalucía"), QStringLiteral("Aragón"), QStringLiteral("Galicia"),
        QStringLiteral("Almería"), QStringLiteral("Cádiz"), QStringLiteral("Córdoba"), QStringLiteral("Sevilla"),
        QStringLiteral("Huesca"), QStringLiteral("Teruel"), QStringLiteral("Zaragoza"),
        QStringLiteral("A Coruña"), QStringLiteral("Lugo"), QStringLiteral("Ourense"), QStringLiteral("Pontevedra")};
    const QVector<int> parents{-1, -1, -1, -1, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3};
};

QWidget* comboBox()
{
    auto* box = new QGroupBox(QStringLiteral("Árbol desplegable y campos pequeños"));
    auto* form = new QFormLayout(box);

    auto* combo = new ZCComboTree;
    auto* model = new RegionModel(combo);
    combo->setModel(model);
    combo->setExpandRoots();
    auto* chosen = new QLabel(QStringLiteral("Elija una provincia (las regiones no se pueden elegir)"));
    QObject::connect(combo, &ZCComboTree::modelIndexSelected, chosen, [chosen, model](const QModelIndex& index) {
        chosen->setText(QStringLiteral("Elegida: %1 (nodos cargados hasta ahora: %2)")
                            .arg(index.data().toString()).arg(model->loads));
    });
    form->addRow(QStringLiteral("Provincia:"), combo);
    form->addRow(QString(), chosen);

    auto* ip = new ZCIPEdit;
    ip->setText(QStringLiteral("192.168.001.020"));
    form->addRow(QStringLiteral("Dirección IP:"), ip);

    auto* label = new ZCLabelTextIcon;
    label->setTexto(QStringLiteral("Cliente preferente"));
    label->setIcono(GetGestorTemasEstilo()->FromTheme(QStringLiteral("star"), ZCGestorTemasEstilo::EstadoNormal).pixmap(48));
    label->setBold(true);
    form->addRow(QStringLiteral("Etiqueta con icono:"), label);
    return box;
}

// Three themed buttons: the second as if the pointer were over it, the third as if pressed.
QWidget* buttonsBox()
{
    auto* box = new QGroupBox(QStringLiteral("Botón con icono del tema: normal, encima y pulsado"));
    auto* layout = new QHBoxLayout(box);
    QList<ZCPushButton*> buttons;
    for (const QString& text : {QStringLiteral("Normal"), QStringLiteral("Encima"), QStringLiteral("Pulsado")}) {
        auto* button = new ZCPushButton(nullptr, QStringLiteral("search"), true);
        button->setText(text);
        layout->addWidget(button);
        buttons << button;
    }
    layout->addStretch();
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(buttons.at(1), &enter);
    const QPoint inside(4, 4);
    QMouseEvent press(QEvent::MouseButtonPress, inside, buttons.at(2)->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(buttons.at(2), &press);
    return box;
}

QWidget* promptsBox()
{
    auto* box = new QGroupBox(QStringLiteral("Preguntas"));
    auto* grid = new QGridLayout(box);
    auto* answer = new QLabel(QStringLiteral("La respuesta aparece aquí"));
    const auto show = [answer](const QString& text) { answer->setText(text); };
    const QList<QPair<QString, std::function<void()>>> prompts{
        {QStringLiteral("Número (con reloj de espera)"), [box, show] {
             ZCWaitCursor wait;  // the prompt lifts it while the user answers
             bool ok = false;
             const double value = ZCInputDialog::ExecGetDouble(box, QStringLiteral("Descuento"),
                                                               QStringLiteral("Porcentaje:"), 5, 0, 100, 2, &ok);
             show(ok ? QStringLiteral("Descuento: %1 %").arg(value) : QStringLiteral("Cancelado"));
         }},
        {QStringLiteral("Texto"), [box, show] {
             bool ok = false;
             const QString text = ZCInputDialog::ExecGetText(box, QStringLiteral("Referencia"), QStringLiteral("Código:"),
                                                             QLineEdit::Normal, QStringLiteral("REF-001"), &ok);
             show(ok ? QStringLiteral("Referencia: %1").arg(text) : QStringLiteral("Cancelado"));
         }},
        {QStringLiteral("Hora"), [box, show] {
             QTime time(9, 0);
             const bool ok = ZCInputDialog::ExecGetTimeEdit(box, time, QStringLiteral("Cita"), QStringLiteral("Hora de la cita:"));
             show(ok ? QStringLiteral("Cita a las %1").arg(time.toString(QStringLiteral("HH:mm"))) : QStringLiteral("Cancelado"));
         }},
        {QStringLiteral("Editor propio"), [box, show] {
             auto spin = std::make_unique<QSpinBox>();
             spin->setRange(1, 99);
             QSpinBox* editor = spin.get();
             const bool ok = ZCInputDialog::ExecGetEditorGenerico(box, [editor] { return editor; },
                                                                  QStringLiteral("Copias"), QStringLiteral("Número de copias:"));
             show(ok ? QStringLiteral("Copias: %1").arg(editor->value()) : QStringLiteral("Cancelado"));
         }},
        {QStringLiteral("Elegir de una lista"), [box, show] {
             auto* dialog = new ZCInputDialog(box);
             QObject::connect(dialog, &QInputDialog::textValueSelected, box, show);
             dialog->OpenAndDeleteGetItem(QStringLiteral("Almacén"), QStringLiteral("Almacén de salida:"),
                                          {QStringLiteral("Central"), QStringLiteral("Norte"), QStringLiteral("Sur")}, false);
         }},
        {QStringLiteral("Contraseña"), [box, show] {
             auto* dialog = new ZCInputPasswordDialog(box);
             QObject::connect(dialog, &QInputDialog::textValueSelected, box, [show](const QString& text) {
                 show(QStringLiteral("Contraseña de %1 caracteres").arg(text.size()));
             });
             dialog->OpenAndDelete();
         }},
    };
    for (int i = 0; i < prompts.size(); ++i) {
        auto* button = new QPushButton(prompts.at(i).first);
        QObject::connect(button, &QPushButton::clicked, box, prompts.at(i).second);
        grid->addWidget(button, i / 3, i % 3);
    }
    grid->addWidget(answer, 2, 0, 1, 3);
    return box;
}

QWidget* passwordPanel()
{
    auto* panel = new ZCInputPasswordWidget(QStringLiteral("Acceso al proyecto"));
    panel->setToolTip(QStringLiteral("La contraseña es «mirokit»"));
    QObject::connect(panel, &ZCInputPasswordWidget::accepted, panel, [panel] {
        panel->SetTextoAlAceptar(panel->GetPassword() == QLatin1String("mirokit")
                                     ? QStringLiteral("Contraseña correcta")
                                     : QStringLiteral("Contraseña incorrecta"));
    });
    return panel;
}

QWidget* createInputsPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(comboBox());
    layout->addWidget(buttonsBox());
    layout->addWidget(promptsBox());
    layout->addWidget(passwordPanel());
    layout->addStretch();
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(65, "Entradas", createInputsPage);

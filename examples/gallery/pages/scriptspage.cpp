// "Guiones": scripts as a host runs them. The code editor completes the library's members from the
// word list :/Resources/js.api through QsciAPIs; "Ejecutar" runs the script in a QJSEngine where
// every control on the right is reachable by its object name.
#include "codeeditor.h"
#include "gallerypage.h"

#include <Mirokit/ZCIPEdit.h>
#include <Mirokit/ZGaugeWidget.h>
#include <Mirokit/ZLineEdit.h>
#include <Mirokit/ZThermometerWidget.h>
#include <Mirokit/ZThumbWheel.h>

#include <Qsci/qsciapis.h>
#include <Qsci/qsciscintilla.h>

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJSEngine>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QQmlEngine>
#include <QVBoxLayout>

namespace {

const char sampleScript[] = R"(// Los controles de la derecha se llaman por su nombre de objeto.
indicador.maximum = 200;
indicador.setValue(120);

var letra = indicador.font;
letra.setPointSize(11);
letra.setBold(true);
indicador.font = letra;

rueda.valueChanged.connect(function (valor) { termometro.value = valor; });
rueda.setValue(36);

linea.text = "Guion ejecutado";
ip.text = "192.168.1.10";
)";

class ScriptsPage : public QWidget
{
public:
    ScriptsPage()
    {
        auto* layout = new QHBoxLayout(this);
        layout->addWidget(createEditor(), 3);
        layout->addWidget(createControls(), 2);
    }

    ~ScriptsPage() override
    {
        // QsciAPIs prepares its word list on a thread that reads the lexer, its parent, which
        // QObject destroys before it: the thread must be stopped while the lexer still lives.
        if (m_apis)
            m_apis->cancelPreparation();
    }

private:
    QWidget* createEditor()
    {
        auto* box = new QGroupBox(QStringLiteral("Guion"));
        auto* layout = new QVBoxLayout(box);

        m_editor = createJavaScriptEditor();
        m_editor->setAccessibleName(QStringLiteral("Guion"));
        m_apis = new QsciAPIs(m_editor->lexer());
        m_apis->load(QStringLiteral(":/Resources/js.api"));
        m_apis->prepare();
        m_editor->setAutoCompletionSource(QsciScintilla::AcsAPIs);
        m_editor->setAutoCompletionThreshold(2);
        m_editor->setText(QString::fromUtf8(sampleScript));
        layout->addWidget(m_editor);

        auto* run = new QPushButton(QStringLiteral("Ejecutar"));
        connect(run, &QPushButton::clicked, this, [this] { runScript(); });
        m_result = new QLabel;
        m_result->setWordWrap(true);
        auto* bottom = new QHBoxLayout;
        bottom->addWidget(run);
        bottom->addWidget(m_result, 1);
        layout->addLayout(bottom);
        return box;
    }

    QWidget* createControls()
    {
        m_controls = new QGroupBox(QStringLiteral("Controles"));
        auto* form = new QFormLayout(m_controls);
        addControl(form, QStringLiteral("indicador"), QStringLiteral("Indicador"), new ZGaugeWidget);
        addControl(form, QStringLiteral("termometro"), QStringLiteral("Termómetro"), new ZThermometerWidget);
        addControl(form, QStringLiteral("rueda"), QStringLiteral("Rueda"), new ZThumbWheel);
        addControl(form, QStringLiteral("linea"), QStringLiteral("Línea"), new ZLineEdit);
        addControl(form, QStringLiteral("ip"), QStringLiteral("Dirección IP"), new ZCIPEdit);
        return m_controls;
    }

    static void addControl(QFormLayout* form, const QString& objectName, const QString& label,
                           QWidget* control)
    {
        control->setObjectName(objectName);
        // Instruments have no size hint of their own: they take the room the form leaves.
        const int height = control->sizeHint().height();
        if (height > 0)
            control->setMinimumHeight(height);
        form->addRow(label, control);
    }

    // A fresh engine per run, so connections made by an earlier run go with it.
    void runScript()
    {
        m_engine = std::make_unique<QJSEngine>();
        for (QWidget* control : m_controls->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (control->objectName().isEmpty())
                continue;
            QQmlEngine::setObjectOwnership(control, QQmlEngine::CppOwnership);
            m_engine->globalObject().setProperty(control->objectName(), m_engine->newQObject(control));
        }
        const QJSValue result = m_engine->evaluate(m_editor->text());
        if (result.isError()) {
            m_result->setText(QStringLiteral("Error en la línea %1: %2")
                                  .arg(result.property(QStringLiteral("lineNumber")).toInt())
                                  .arg(result.toString()));
        } else {
            m_result->setText(QStringLiteral("Ejecutado"));
        }
    }

    QsciScintilla* m_editor = nullptr;
    QPointer<QsciAPIs> m_apis;
    QGroupBox* m_controls = nullptr;
    QLabel* m_result = nullptr;
    std::unique_ptr<QJSEngine> m_engine;
};

} // namespace

MIROKIT_GALLERY_PAGE(95, "Guiones", [] { return new ScriptsPage; });

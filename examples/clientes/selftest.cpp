#include "selftest.h"

#include "ciudadbrowser.h"
#include "clienteform.h"
#include "clientesmodel.h"
#include "clienteswindow.h"
#include "informeclientes.h"

#include <Mirokit/ZCBuscadorView.h>
#include <Mirokit/ZCPaginadorProxyModel.h>
#include <Mirokit/ZCPaginadorToolbar.h>
#include <Mirokit/ZCSortFilterProxyModel.h>
#include <Mirokit/ZCTableView.h>
#include <Mirokit/ZDateEditBrowser.h>
#include <Mirokit/ZNumberSpinBoxBrowser.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QTextStream>

namespace {

const QLocale spanish(QLocale::Spanish, QLocale::Spain);

// A number as the report writes it in Spanish: thousands grouped by three under every Qt version
// (Qt 6's own Spanish layout leaves 1234,50 and the leading group of 1234.567,89 ungrouped).
QString spanishNumber(double value, int decimals)
{
    QLocale ungrouped = spanish;
    ungrouped.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = ungrouped.toString(value, 'f', decimals);
    const int first = value < 0 ? 1 : 0;
    const int whole = decimals > 0 ? text.indexOf(QLatin1Char(',')) : text.size();
    for (int at = whole - 3; at > first; at -= 3)
        text.insert(at, QLatin1Char('.'));
    return text;
}

// The report's money; pdftotext gives the no-break space before the symbol back as a plain one.
QString money(double amount)
{
    return spanishNumber(amount, 2) + QStringLiteral(" €");
}

// The line of the PDF's text that holds `what`, with runs of spaces made single (pdftotext
// lays the columns out with spaces).
QString lineWith(const QString& text, const QString& what)
{
    const int at = text.indexOf(what);
    if (at < 0)
        return QString();
    const int start = text.lastIndexOf(QLatin1Char('\n'), at) + 1;
    const int end = text.indexOf(QLatin1Char('\n'), at);
    return text.mid(start, end < 0 ? -1 : end - start).simplified();
}

} // namespace

SelfTest::SelfTest(ClientesWindow& window, const QString& folder)
    : m_window(window)
    , m_folder(folder)
{
}

int SelfTest::Run()
{
    checksTheCoreAlone();
    searchesWithoutAccents();
    editsTheCustomerFound();
    turnsThePages();
    printsTheReport();
    // A picture of the window as the run left it, to look at.
    m_window.resize(1100, 700);
    m_window.show();
    m_window.grab().save(QDir(m_folder).filePath(QStringLiteral("clientes.png")));
    QTextStream(stdout) << (m_failures ? QStringLiteral("%1 comprobaciones fallidas").arg(m_failures)
                                       : QStringLiteral("todo correcto"))
                        << Qt::endl;
    return m_failures ? 1 : 0;
}

void SelfTest::check(bool holds, const QString& what)
{
    QTextStream(holds ? stdout : stderr) << (holds ? "ok     " : "FALLO  ") << what << Qt::endl;
    if (!holds)
        ++m_failures;
}

// The program links the LGPL core only: no GPL-only library may be in the process.
void SelfTest::checksTheCoreAlone()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    const QByteArray loaded = maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
    // The Qt 6 build's libraries carry a 6 after the package's name (libMirokit6.so).
    const char* core = QT_VERSION_MAJOR == 6 ? "libMirokit6.so" : "libMirokit.so";
    check(loaded.contains(core), QStringLiteral("el núcleo de Mirokit está cargado"));
    for (const char* gplOnly : {"libQt5Charts", "libQt6Charts", "libqscintilla2", "libMirokitCharts",
                                "libMirokit6Charts", "libMirokitScintilla", "libMirokit6Scintilla"})
        check(!loaded.contains(gplOnly), QStringLiteral("no se carga %1").arg(QLatin1String(gplOnly)));
}

void SelfTest::searchesWithoutAccents()
{
    const ClientesModel* clientes = m_window.GetClientes();
    check(clientes->rowCount() == 2000 && m_window.GetPaginador()->GetTotalPaginas() == 80,
          QStringLiteral("2000 clientes en 80 páginas"));

    ZCBuscadorView* buscador = m_window.GetBuscador();
    buscador->setText(QStringLiteral("ibanez"));
    buscador->search();
    const ZCSortFilterProxyModel* filtro = m_window.GetFiltro();
    const int found = filtro->rowCount();
    bool allIbanez = found > 0;
    for (int row = 0; row < found; ++row)
        allIbanez = allIbanez && filtro->index(row, ClientesModel::ColNombre).data().toString().contains(QStringLiteral("Ibáñez"));
    check(allIbanez, QStringLiteral("\"ibanez\" encuentra %1 clientes, todos Ibáñez").arg(found));
    const uint pages = uint((found + 24) / 25);
    check(m_window.GetPaginador()->GetTotalPaginas() == pages && m_window.GetPaginador()->GetPaginaActual() == 1,
          QStringLiteral("el paginador cuenta %1 páginas de resultados").arg(pages));
}

void SelfTest::editsTheCustomerFound()
{
    ZCTableView* tabla = m_window.GetTabla();
    tabla->setCurrentIndex(tabla->model()->index(0, ClientesModel::ColNombre));
    ClienteForm* ficha = m_window.GetFicha();
    m_edited = ficha->GetFila().row();
    check(m_edited >= 0 && ficha->GetNombre()->text().contains(QStringLiteral("Ibáñez")),
          QStringLiteral("la ficha muestra el cliente elegido"));

    ficha->GetNombre()->setText(QStringLiteral("Íñigo Ibáñez Ordóñez"));
    ficha->GetCiudad()->setText(QStringLiteral("Ávila"));
    ficha->GetAlta()->setDate(QDate()); // the date is not known
    ficha->GetSaldo()->setValue(1234.5);
    m_window.GetAccionGuardar()->trigger();

    const Cliente& cliente = m_window.GetClientes()->GetCliente(m_edited);
    check(cliente.nombre == QStringLiteral("Íñigo Ibáñez Ordóñez") && cliente.ciudad == QStringLiteral("Ávila")
              && cliente.alta.isNull() && qFuzzyCompare(cliente.saldo, 1234.5),
          QStringLiteral("guardar escribe la ficha en el modelo"));
}

void SelfTest::turnsThePages()
{
    m_window.GetBuscador()->clear();
    ZCPaginadorToolbar* paginador = m_window.GetPaginador();
    const ZCPaginadorProxyModel* pagina = m_window.GetPagina();
    check(paginador->GetTotalPaginas() == 80 && pagina->GetPagina() == 1,
          QStringLiteral("sin búsqueda vuelven las 80 páginas"));
    paginador->onPaginaSiguiente();
    // Sorted by code, page 2 starts with the 26th customer.
    check(pagina->GetPagina() == 2 && pagina->index(0, ClientesModel::ColCodigo).data().toInt() == 10026,
          QStringLiteral("la página siguiente empieza en el cliente 10026"));
    paginador->onUltimaPagina();
    check(pagina->rowCount() == 25 && pagina->index(24, ClientesModel::ColCodigo).data().toInt() == 12000,
          QStringLiteral("la última página acaba en el cliente 12000"));
    paginador->irAPagina(3);
    check(pagina->GetPagina() == 3 && paginador->GetPaginaActual() == 3, QStringLiteral("ir a la página 3"));
}

void SelfTest::printsTheReport()
{
    const QString fileName = QDir(m_folder).filePath(QStringLiteral("clientes.pdf"));
    InformeClientes* informe = m_window.GetInforme();
    const bool printed = informe->ImprimirPdf(fileName);
    check(printed, QStringLiteral("el informe se imprime en %1 %2").arg(fileName, informe->Error()));
    if (!printed)
        return;
    const QString text = pdfText(fileName);

    const ClientesModel* clientes = m_window.GetClientes();
    double total = 0;
    double avila = 0;
    int avilaCount = 0;
    for (int row = 0; row < clientes->rowCount(); ++row) {
        const Cliente& cliente = clientes->GetCliente(row);
        total += cliente.saldo;
        if (cliente.ciudad == QStringLiteral("Ávila")) {
            avila += cliente.saldo;
            ++avilaCount;
        }
    }
    const int pages = text.count(QLatin1Char('\f')) + (text.endsWith(QLatin1Char('\f')) ? 0 : 1);
    check(pages >= 2 && text.contains(QStringLiteral("Página 1 de %1").arg(pages))
              && text.contains(QStringLiteral("Página %1 de %1").arg(pages)),
          QStringLiteral("las %1 páginas dicen «Página n de %1»").arg(pages));
    check(lineWith(text, QStringLiteral("Íñigo Ibáñez Ordóñez")).contains(money(1234.5)),
          QStringLiteral("el cliente editado sale con su saldo, %1").arg(money(1234.5)));
    const QString avilaTotal = lineWith(text, QStringLiteral("Total Ávila"));
    check(avilaTotal.contains(QStringLiteral("%1 clientes").arg(spanishNumber(avilaCount, 0))) && avilaTotal.contains(money(avila)),
          QStringLiteral("Ávila suma %1 clientes y %2").arg(avilaCount).arg(money(avila)));
    // Ávila sorts before Burgos, and the grand total comes after the last city.
    check(text.indexOf(QStringLiteral("Total Ávila")) < text.indexOf(QStringLiteral("Total Burgos"))
              && text.lastIndexOf(QStringLiteral("Total general")) > text.lastIndexOf(QStringLiteral("Total Soria")),
          QStringLiteral("las ciudades van en orden y el total general al final"));
    const QString grandTotal = lineWith(text, QStringLiteral("Total general"));
    check(grandTotal.contains(QStringLiteral("%1 clientes").arg(spanishNumber(2000, 0))) && grandTotal.contains(money(total)),
          QStringLiteral("el total general es %1 de 2000 clientes").arg(money(total)));
}

QString SelfTest::pdfText(const QString& fileName)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
    const bool read = pdftotext.waitForFinished(60000) && pdftotext.exitCode() == 0;
    check(read, QStringLiteral("pdftotext lee el PDF"));
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).replace(QChar::Nbsp, QLatin1Char(' '));
}

// The report designer's canvas on a page of 500 items (ten fields a row, fifty rows):
// - moving a selection of 50 of them one grid step, through the document's undo stack, and
//   repainting, against a plain QGraphicsScene moving 50 of 500 QGraphicsRectItems and
//   repainting in a view of the same size;
// - opening the report into a document (XML, definition, outline and canvas), against loading its
//   definition with NCReport and building 500 plain graphics items. Two versions of the report,
//   every item a little apart in the second, are opened in turn, so that each open changes the
//   whole page.
#include "benchmark.h"

#include <ncrdcanvas.h>
#include <ncrdcanvasitem.h>
#include <ncrdcanvasview.h>
#include <ncrddocument.h>
#include <ncreport.h>

#include <QApplication>
#include <QFile>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QTemporaryDir>

namespace {

constexpr int columns = 10;
constexpr int rows = 50;
constexpr int selectedCount = 50;

QRectF cell(int index)
{
    return QRectF(index % columns * 19, index / columns * 5.5, 18, 5);
}

QByteArray reportXml(qreal shift)
{
    QString items;
    for (int i = 0; i < columns * rows; ++i) {
        const QRectF rect = cell(i).translated(shift, shift);
        items += QStringLiteral("<field x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\">$D{c%5}</field>\n")
                     .arg(rect.x())
                     .arg(rect.y())
                     .arg(rect.width())
                     .arg(rect.height())
                     .arg(i % columns);
    }
    return QStringLiteral("<report name=\"Bench\" pageSize=\"A4\">\n<datasources><datasource id=\"ds\" type=\"3\">"
                          "<string>a</string></datasource></datasources>\n<detail id=\"d\" dataSource=\"ds\" "
                          "height=\"280\">\n%1</detail>\n</report>\n")
        .arg(items)
        .toUtf8();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir dir;
    const QStringList fileNames{dir.filePath(QStringLiteral("bench.xml")), dir.filePath(QStringLiteral("shifted.xml"))};
    for (int i = 0; i < fileNames.size(); ++i) {
        QFile file(fileNames.at(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(reportXml(i * 0.5)) < 0)
            return 1;
    }
    const QSize size(1000, 800);

    NCRDDocument document;
    document.resize(size);
    document.show();
    if (!document.openFile(fileNames.first()))
        return 1;
    document.canvasView()->setZoom(100);
    QList<QDomElement> selection;
    for (int i = 0; i < selectedCount; ++i)
        selection.append(document.canvas()->canvasItems().at(i * 7)->element());
    document.canvas()->selectElements(selection);
    QApplication::processEvents();

    QGraphicsScene plainScene;
    QList<QGraphicsRectItem*> plainItems;
    for (int i = 0; i < columns * rows; ++i)
        plainItems.append(plainScene.addRect(cell(i)));
    QGraphicsView plainView(&plainScene);
    plainView.resize(document.canvasView()->size());
    plainView.setTransform(document.canvasView()->transform());
    plainView.show();
    QApplication::processEvents();

    int direction = 1;
    bench::compare(
        QStringLiteral("move 50 of 500 items a grid step and repaint"),
        [&] {
            document.canvas()->moveSelection(QPointF(direction, 0));
            direction = -direction;
            QApplication::processEvents();
        },
        [&] {
            for (int i = 0; i < selectedCount; ++i)
                plainItems.at(i * 7)->moveBy(direction, 0);
            direction = -direction;
            QApplication::processEvents();
        },
        200);

    int opened = 0;
    int loaded = 0;
    bench::compare(
        QStringLiteral("open a report of 500 items into the canvas"),
        [&] { document.openFile(fileNames.at(++opened % 2)); },
        [&] {
            NCReport report;
            report.setReportFile(fileNames.at(++loaded % 2));
            report.load();
            QGraphicsScene scene;
            for (int i = 0; i < columns * rows; ++i)
                scene.addRect(cell(i));
        },
        20);
    return 0;
}

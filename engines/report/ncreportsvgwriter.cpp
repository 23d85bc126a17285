#include "ncreportsvgwriter.h"

#include "ncreportexport_p.h"
#include "ncreportrecordedpages.h"

#include <QDir>
#include <QPainter>
#include <QSvgGenerator>

namespace {

// The resolution of the drawing: fine enough for hairlines and small text.
constexpr int dotsPerInch = 300;

} // namespace

QString NCReportSvgWriter::pageFileName(int page)
{
    return QStringLiteral("page-%1.svg").arg(page + 1, 4, 10, QLatin1Char('0'));
}

bool NCReportSvgWriter::write(const NCReportRecordedPages& pages, const QString& folder, QString* error)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return NCReportExport::fail(error, folder, QCoreApplication::translate("NCReportExport", "the folder cannot be made"));
    const QPageLayout layout = pages.pageLayout();
    const QRect paper = layout.fullRectPixels(dotsPerInch);
    for (int page = 0; page < pages.pageCount(); ++page) {
        const bool written = NCReportExport::writeFile(dir.filePath(pageFileName(page)), error, [&](QIODevice& file, QString& why) {
            QSvgGenerator generator;
            generator.setOutputDevice(&file);
            generator.setResolution(dotsPerInch);
            generator.setSize(paper.size());
            generator.setViewBox(QRect(QPoint(), paper.size()));
            generator.setTitle(pages.reportName());
            QPainter painter;
            if (!painter.begin(&generator)) {
                why = QCoreApplication::translate("NCReportExport", "the page cannot be drawn");
                return false;
            }
            painter.fillRect(QRect(QPoint(), paper.size()), Qt::white);
            painter.translate(layout.paintRectPixels(dotsPerInch).topLeft());
            pages.paintPage(page, &painter);
            return painter.end();
        });
        if (!written)
            return false;
    }
    return true;
}

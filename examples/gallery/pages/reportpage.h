#pragma once

#include <functional>

class QString;
class QWidget;

// Shows the report designer on the "Informes" sample report, as "Diseñar…" opens it, and hands
// it to `save` under a file name at 100 % ("informes-disenador-100.png") and fitted to the page
// ("informes-disenador-pagina.png"), with a field selected; false when a shot cannot be saved.
bool writeReportDesignerScreenshots(const std::function<bool(QWidget&, const QString&)>& save);

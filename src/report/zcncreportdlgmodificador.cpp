#include "zcncreportdlgmodificador.h"

#include "zcncreportdesigner.h"

#include <QComboBox>

ZCNCReportDlgModificador::ZCNCReportDlgModificador(ZCNCReportDesigner* designer, QWidget* dialog)
    : QObject(dialog)
    , m_designer(designer)
    , m_dialog(dialog)
{
}

ZCNCReportDlgModificador::~ZCNCReportDlgModificador() = default;

int ZCNCReportDlgModificador::GetSourceTypeComboValue(const QString& name)
{
    const auto* combo = m_dialog->findChild<QComboBox*>(name);
    return combo ? combo->currentIndex() : -1;
}

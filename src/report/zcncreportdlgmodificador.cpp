#include "zcncreportdlgmodificador.h"

#include "zcncreportdesigner.h"

#include <QComboBox>
#include <QDataWidgetMapper>

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

QModelIndex ZCNCReportDlgModificador::mappedIndex(const QDataWidgetMapper* mapper, QWidget* widget)
{
    const QAbstractItemModel* model = mapper ? mapper->model() : nullptr;
    const int section = model && widget ? mapper->mappedSection(widget) : -1;
    if (section < 0)
        return QModelIndex();
    return mapper->orientation() == Qt::Horizontal
        ? model->index(mapper->currentIndex(), section, mapper->rootIndex())
        : model->index(section, mapper->currentIndex(), mapper->rootIndex());
}

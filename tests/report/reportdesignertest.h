#pragma once

#include <Mirokit/ZCNCReportDatasourceControl.h>
#include <Mirokit/ZCNCReportDesigner.h>
#include <Mirokit/ZCNCReportFieldEditControl.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace reporttest {

// Hands the next modal widget of type T to `job` as soon as it shows (polling, since it only
// appears inside the caller's event loop).
template<class T>
void pollForModal(const std::function<void(T*)>& job)
{
    if (auto* widget = qobject_cast<T*>(QApplication::activeModalWidget()))
        job(widget);
    else
        QTimer::singleShot(10, [job] { pollForModal<T>(job); });
}

template<class T>
void onModal(std::function<void(T*)> job)
{
    QTimer::singleShot(0, [job] { pollForModal<T>(job); });
}

// Answers the next message box with `button`.
inline void answerNextMessageBox(QMessageBox::StandardButton button)
{
    onModal<QMessageBox>([button](QMessageBox* box) { box->button(button)->click(); });
}

// A designer whose formula editors and data-source controls are of the given types and whose
// other operations do nothing.
template<class Control = ZCNCReportFieldEditControl, class DataSourceControl = ZCNCReportDatasourceControl>
class StubDesigner : public ZCNCReportDesigner
{
public:
    ZCNCReportFieldEditControl* CreateFieldEditControl(bool wrap, QWidget* editor, QWidget* parent) override
    {
        return new Control(wrap, editor, parent);
    }
    ZCNCReportDatasourceControl* CreateDatasourceControl(QWidget* parent) override
    {
        return new DataSourceControl(parent);
    }
    void ActualizaItemModels() override {}
    void OnGraphPropDialog(NCRDGraphPropDialog*) override {}
};

} // namespace reporttest

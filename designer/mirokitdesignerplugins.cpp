#include "mirokitdesignerplugins.h"
#include "mirokitwidgetplugin.h"

#include <Mirokit/Mirokit.h>

namespace {

template <typename Widget>
QWidget* create(QWidget* parent)
{
    return new Widget(parent);
}

struct Entry {
    const char* className;
    const char* toolTip;
    MirokitWidgetPlugin::Factory factory;
};

// The widgets whose constructor needs more than a parent get a neutral first value here.
const Entry entries[] = {
    // Browser editors
    {"ZLineEdit", "Line editor with a clear button and script font", create<ZLineEdit>},
    {"ZLineEditBrowser", "Line editor with a pick button and a menu button", create<ZLineEditBrowser>},
    {"ZFilePathEditBrowser", "File or folder path editor with a browse button", create<ZFilePathEditBrowser>},
    {"ZCEditBrowserEstilos", "Editor of a set of style flags, picked in a pop-up", create<ZCEditBrowserEstilos>},
    {"ZCEditBrowserStringList", "Editor of a list of strings, edited in a pop-up", create<ZCEditBrowserStringList>},
    {"ZCEditBrowserFont", "Font editor with a font dialog button", create<ZCEditBrowserFont>},
    {"ZCEditBrowserMenu", "Editor whose button opens a menu of values", create<ZCEditBrowserMenu>},
    {"ZCEditBrowserTexto", "Text editor with a button that opens the text dialog", create<ZCEditBrowserTexto>},
    // Date, time and number editors
    {"ZDateEdit", "Date editor with an empty value", create<ZDateEdit>},
    {"ZTimeEdit", "Time editor with an empty value", create<ZTimeEdit>},
    {"ZDateTimeEdit", "Date and time editor with an empty value", create<ZDateTimeEdit>},
    {"ZNumberSpinBox", "Number editor with an empty value", create<ZNumberSpinBox>},
    {"ZDateEditBrowser", "Date field with a calendar pop-up", create<ZDateEditBrowser>},
    {"ZTimeEditBrowser", "Time field with a pick button", create<ZTimeEditBrowser>},
    {"ZDateTimeEditBrowser", "Date and time field with a calendar pop-up", create<ZDateTimeEditBrowser>},
    {"ZNumberSpinBoxBrowser", "Number field with a pick button", create<ZNumberSpinBoxBrowser>},
    // List boxes and small inputs
    {"ZCListBoxCheck", "List box of checkable items", create<ZCListBoxCheck>},
    {"ZCListBoxCheckEstilos", "List box of style flags", create<ZCListBoxCheckEstilos>},
    {"ZCListBoxString", "List box of strings", create<ZCListBoxString>},
    {"ZCListBoxText", "List box of texts with item data", create<ZCListBoxText>},
    {"ZCComboTree", "Combo box whose pop-up is a tree", create<ZCComboTree>},
    {"ZCIPEdit", "IPv4 address field", create<ZCIPEdit>},
    {"ZCPushButton", "Push button with a theme icon", create<ZCPushButton>},
    {"ZCLabelTextIcon", "Label with a text and an icon", create<ZCLabelTextIcon>},
    // Instruments
    {"ZGaugeWidget", "Round gauge with coloured ranges", create<ZGaugeWidget>},
    {"ZThermometerWidget", "Thermometer", create<ZThermometerWidget>},
    {"ZClockWidget", "Analogue clock", create<ZClockWidget>},
    {"ZThumbWheel", "Thumb wheel", create<ZThumbWheel>},
    {"ZDial", "Thin dial", create<ZDial>},
    {"ZSlider", "Thin slider", create<ZSlider>},
    {"ZProgressBar", "Thin progress bar", create<ZProgressBar>},
    {"ZCProgressWidget", "Round progress indicator", create<ZCProgressWidget>},
    {"ZImageWidget", "Image shown with a fit mode", create<ZImageWidget>},
    {"ZCWidgetRegla", "Ruler", create<ZCWidgetRegla>},
    {"ZCSvgButton", "Button drawn from an SVG skin", create<ZCSvgButton>},
    {"ZCSvgDialGauge", "Dial gauge drawn from an SVG skin", create<ZCSvgDialGauge>},
    {"ZCSvgSlideSwitch", "Slide switch drawn from an SVG skin", create<ZCSvgSlideSwitch>},
    {"ZCSvgToggleSwitch", "Toggle switch drawn from an SVG skin", create<ZCSvgToggleSwitch>},
    // Calendar, views and composite widgets
    {"ZCCalendar", "Month calendar with day styles", create<ZCCalendar>},
    {"ZCCalendarWidget", "Qt calendar with the library's day styles", create<ZCCalendarWidget>},
    {"ZCBuscadorView", "Search box filtering a view", create<ZCBuscadorView>},
    {"ZCPaginadorToolbar", "Paginator tool bar",
     [](QWidget* parent) -> QWidget* { return new ZCPaginadorToolbar(1, parent); }},
    {"ZCTreeView", "Tree view with the library's keys and drag", create<ZCTreeView>},
    {"ZCTableView", "Table view with the library's keys and drag", create<ZCTableView>},
    {"ZCListView", "List view with the library's keys and drag", create<ZCListView>},
    {"ZCPaletaWidget", "Colour palette",
     [](QWidget* parent) -> QWidget* { return new ZCPaletaWidget(nullptr, parent); }},
    {"ZCCoverFlow", "Cover flow of images", create<ZCCoverFlow>},
    {"ZCBuscarReemplazarWidget", "Find and replace form", create<ZCBuscarReemplazarWidget>},
};

} // namespace

MirokitDesignerPlugins::MirokitDesignerPlugins(QObject* parent)
    : QObject(parent)
{
    for (const Entry& entry : entries) {
        m_widgets.append(new MirokitWidgetPlugin(QLatin1String(entry.className),
                                                 QLatin1String(entry.toolTip), entry.factory, this));
    }
}

QList<QDesignerCustomWidgetInterface*> MirokitDesignerPlugins::customWidgets() const
{
    return m_widgets;
}

#include "ncrddatasourcedialog.h"

#include "ncreportdatasource.h"

#include <QCheckBox>
#include <QDataWidgetMapper>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

const QString itemModelAttribute = QStringLiteral("itemModel");
const QString parentAttribute = QStringLiteral("parent");

// "$D{parent.dwDir}" -> "parent".
QString parentId(QString reference)
{
    return reference.remove(QLatin1String("$D{")).remove(QLatin1String(".dwDir}"));
}

template<class W>
W* named(QWidget* parent, const char* name)
{
    auto* widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

NCRDDataSourceDialog::NCRDDataSourceDialog(const QDomElement& dataSources, QWidget* parent)
    : QDialog(parent)
    , m_dataSources(dataSources)
    , m_model(new QStandardItemModel(0, ColumnCount, this))
    , m_mapper(new QDataWidgetMapper(this))
{
    setObjectName(QStringLiteral("NCRDDataSourceDialogUI"));
    setWindowTitle(tr("Data sources"));
    for (QDomElement e = dataSources.firstChildElement(QStringLiteral("datasource")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("datasource"))) {
        QList<QStandardItem*> row;
        for (int column = 0; column < ColumnCount; ++column)
            row.append(nullptr);
        row[IdColumn] = new QStandardItem(e.attribute(QStringLiteral("id")));
        row[TypeColumn] = new QStandardItem(e.attribute(QStringLiteral("type")));
        const QString reference = e.attribute(parentAttribute);
        row[ParentColumn] = new QStandardItem(parentId(reference));
        row[ParentReferenceColumn] = new QStandardItem(reference);
        row[ItemModelColumn] = new QStandardItem(e.attribute(itemModelAttribute));
        m_model->appendRow(row);
    }

    auto* list = named<QListView>(this, "listDataSources");
    list->setModel(m_model);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* form = new QWidget(this);
    auto* grid = new QGridLayout(form);
    grid->setObjectName(QStringLiteral("gridLayout_5"));
    const auto addRow = [&](int row, const char* labelName, const QString& text, QWidget* field) {
        auto* label = named<QLabel>(form, labelName);
        label->setText(text);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1, 1, 2);
    };
    auto* id = named<QLineEdit>(form, "dsID");
    id->setReadOnly(true);
    auto* modelId = named<QLineEdit>(form, "modelID");
    auto* parentSource = named<QLineEdit>(form, "wParentDataSource");
    auto* parentReference = named<QPlainTextEdit>(form, "wItemModelSpec");
    auto* keyColumn = named<QSpinBox>(form, "spPKColIndex");
    auto* appearance = named<QCheckBox>(form, "cbUseModelAppearance");
    appearance->setText(tr("Use the model's appearance"));
    addRow(1, "label_13", tr("Item model:"), modelId);
    addRow(2, "lblParentID", tr("Parent data source:"), parentSource);
    addRow(3, "label_22", tr("Parent reference:"), parentReference);
    addRow(4, "label_24", tr("Key column:"), keyColumn);
    grid->addWidget(appearance, 5, 1, 1, 2);
    grid->addWidget(id, 6, 1, 1, 2);

    m_mapper->setModel(m_model);
    m_mapper->addMapping(id, IdColumn);
    m_mapper->addMapping(modelId, ItemModelColumn);
    m_mapper->addMapping(parentSource, ParentColumn);
    m_mapper->addMapping(parentReference, ParentReferenceColumn, "plainText");
    connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, m_mapper,
            &QDataWidgetMapper::setCurrentModelIndex);
    m_mapper->toFirst();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(form);
    layout->addWidget(buttons);
}

NCRDDataSourceDialog::~NCRDDataSourceDialog() = default;

void NCRDDataSourceDialog::accept()
{
    m_mapper->submit();
    QDomElement e = m_dataSources.firstChildElement(QStringLiteral("datasource"));
    for (int row = 0; row < m_model->rowCount() && !e.isNull(); ++row) {
        if (e.attribute(QStringLiteral("type")).toInt() == NCReportDataSource::ItemModel) {
            e.setAttribute(itemModelAttribute, m_model->index(row, ItemModelColumn).data().toString());
            const QString reference = m_model->index(row, ParentReferenceColumn).data().toString();
            if (reference.isEmpty())
                e.removeAttribute(parentAttribute);
            else
                e.setAttribute(parentAttribute, reference);
        }
        e = e.nextSiblingElement(QStringLiteral("datasource"));
    }
    QDialog::accept();
}

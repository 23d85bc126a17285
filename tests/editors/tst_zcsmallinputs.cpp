#include "mirokittest.h"

#include "../style/themefixture.h"

#include <Mirokit/ZCComboTree.h>
#include <Mirokit/ZCIPEdit.h>
#include <Mirokit/ZCLabelTextIcon.h>
#include <Mirokit/ZCPushButton.h>

#include <QLabel>
#include <QProxyStyle>
#include <QStandardItemModel>
#include <QTreeView>
#include <QValidator>

namespace {

// Row 0 is "no choice"; below it two top-level groups.
struct ComboFixture {
    QStandardItemModel model;
    ZCComboTree combo;
    QStandardItem* frutas = new QStandardItem(QStringLiteral("Frutas"));
    QStandardItem* manzana = new QStandardItem(QStringLiteral("Manzana"));
    QStandardItem* pera = new QStandardItem(QStringLiteral("Pera"));
    QStandardItem* citricos = new QStandardItem(QStringLiteral("Cítricos"));

    ComboFixture()
    {
        model.appendRow(new QStandardItem(QStringLiteral("(ninguno)")));
        model.appendRow(frutas);
        frutas->appendRows({manzana, pera, citricos});
        citricos->appendRow(new QStandardItem(QStringLiteral("Limón")));
        manzana->setData(QStringLiteral("M-1\0oculto"), Qt::UserRole);
        pera->setFlags(pera->flags() & ~Qt::ItemIsSelectable);
        combo.resize(200, 30);
        combo.setModel(&model);
    }

    QTreeView* tree() const { return qobject_cast<QTreeView*>(combo.view()); }

    // What the combo shows, compared with a plain combo box showing `text`.
    bool shows(const QString& text)
    {
        QComboBox plain;
        plain.addItem(text);
        plain.resize(combo.size());
        return plain.grab().toImage() == combo.grab().toImage();
    }
};

class SingleClickStyle : public QProxyStyle
{
public:
    explicit SingleClickStyle(bool activates)
        : QProxyStyle(QStringLiteral("Fusion"))
        , m_activates(activates)
    {
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_ItemView_ActivateItemOnSingleClick)
            return m_activates;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

private:
    bool m_activates;
};

} // namespace

class TestSmallInputs : public QObject
{
    Q_OBJECT

private slots:
    void comboChoosesOnlyAcceptableNodes_data();
    void comboChoosesOnlyAcceptableNodes();
    void comboClickOnAParentKeepsTheDropDownOpen_data();
    void comboClickOnAParentKeepsTheDropDownOpen();
    void comboChoiceFollowsTheModel();
    void comboExpandsRootsOnce();
    void ipAddressValidation_data();
    void ipAddressValidation();
    void labelIconSide_data();
    void labelIconSide();
    void pushButtonFollowsThePointer();
};

void TestSmallInputs::comboChoosesOnlyAcceptableNodes_data()
{
    QTest::addColumn<QString>("node");
    QTest::addColumn<bool>("selectParents");
    QTest::addColumn<QString>("shown");

    QTest::newRow("a leaf with a label shows the label up to its NUL") << "Manzana" << false << "M-1";
    QTest::newRow("a leaf without a label shows its text") << "Limón" << false << "Limón";
    QTest::newRow("a parent is refused") << "Cítricos" << false << "";
    QTest::newRow("a parent is chosen once parents may be") << "Cítricos" << true << "Cítricos";
    QTest::newRow("a node that is not selectable never") << "Pera" << true << "";
    QTest::newRow("the no-choice row is no choice") << "(ninguno)" << true << "";
}

void TestSmallInputs::comboChoosesOnlyAcceptableNodes()
{
    QFETCH(QString, node);
    QFETCH(bool, selectParents);
    QFETCH(QString, shown);
    ComboFixture f;
    QVERIFY(!f.combo.HaySeleccion());
    QVERIFY(f.shows(QString()));
    f.combo.setSelectNodosPadre(selectParents);
    QSignalSpy selected(&f.combo, &ZCComboTree::modelIndexSelected);

    const QModelIndexList found = f.model.match(f.model.index(0, 0), Qt::DisplayRole, node, 1,
                                                Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(found.size(), 1);
    f.combo.onSeleccionado(found.first());
    QCOMPARE(f.combo.HaySeleccion(), !shown.isEmpty());
    QCOMPARE(selected.count(), f.combo.EsSeleccionable(found.first()) ? 1 : 0);
    QVERIFY2(f.shows(shown), qPrintable(shown));

    f.combo.LimpiaSeleccion();
    QVERIFY(!f.combo.HaySeleccion());
}

void TestSmallInputs::comboClickOnAParentKeepsTheDropDownOpen_data()
{
    QTest::addColumn<bool>("singleClickActivates");
    QTest::newRow("a style that activates items on a double click") << false;
    QTest::newRow("a style that also activates them on a single click") << true;
}

void TestSmallInputs::comboClickOnAParentKeepsTheDropDownOpen()
{
    QFETCH(bool, singleClickActivates);
    SingleClickStyle style(singleClickActivates);
    ComboFixture f;
    f.tree()->setStyle(&style);
    f.combo.show();
    f.combo.setExpandRoots();
    f.combo.showPopup();
    QTreeView* tree = f.tree();
    QTRY_VERIFY(tree->isVisible());
    QSignalSpy selected(&f.combo, &ZCComboTree::modelIndexSelected);

    const auto click = [tree](QStandardItem* item) {
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(item->index()).center());
    };
    click(f.frutas);
    QVERIFY(tree->isVisible());
    QCOMPARE(selected.count(), 0);
    click(f.manzana);
    QVERIFY(!tree->isVisible());
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.first().first().toModelIndex(), f.manzana->index());
}

void TestSmallInputs::comboChoiceFollowsTheModel()
{
    ComboFixture f;
    f.combo.onSeleccionado(f.manzana->index());
    f.frutas->insertRow(0, new QStandardItem(QStringLiteral("Nueva")));
    QVERIFY(f.shows(QStringLiteral("M-1")));
    f.model.clear();
    QVERIFY(!f.combo.HaySeleccion());
    QVERIFY(f.shows(QString()));
    f.combo.setModel(nullptr);
    QVERIFY(!f.combo.HaySeleccion());
}

void TestSmallInputs::comboExpandsRootsOnce()
{
    ComboFixture f;
    f.combo.show();
    f.combo.setExpandRoots();
    f.combo.showPopup();
    QVERIFY(f.tree()->isExpanded(f.frutas->index()));
    QVERIFY(!f.tree()->isExpanded(f.citricos->index()));
    f.combo.hidePopup();
    f.tree()->collapseAll();
    f.combo.showPopup();
    QVERIFY(!f.tree()->isExpanded(f.frutas->index()));
    QCOMPARE(f.combo.expandRootsOnly(), 2 + 3);
}

void TestSmallInputs::ipAddressValidation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");

    QTest::newRow("a full address") << "192.168.001.001" << int(QValidator::Acceptable);
    QTest::newRow("zeros") << "000.000.000.000" << int(QValidator::Acceptable);
    QTest::newRow("the top of every group") << "255.255.255.255" << int(QValidator::Acceptable);
    QTest::newRow("partly typed, blanks left") << "19_.1__.___.___" << int(QValidator::Acceptable);
    QTest::newRow("two digits and a blank") << "25_.10_.1__.0__" << int(QValidator::Acceptable);
    QTest::newRow("256 in a group") << "192.168.256.001" << int(QValidator::Invalid);
    QTest::newRow("300 in a group") << "300.000.000.000" << int(QValidator::Invalid);
    QTest::newRow("a blank before digits in a short group") << "_19.000.000.000" << int(QValidator::Acceptable);
}

void TestSmallInputs::ipAddressValidation()
{
    QFETCH(QString, text);
    QFETCH(int, state);
    ZCIPEdit edit;
    int position = 0;
    QCOMPARE(int(edit.validator()->validate(text, position)), state);
}

void TestSmallInputs::labelIconSide_data()
{
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<int>("side");

    QTest::newRow("small text still gets 24") << 10 << 24;
    QTest::newRow("30 pixels rounds down to 24") << 30 << 24;
    QTest::newRow("50 pixels gives 48") << 50 << 48;
}

void TestSmallInputs::labelIconSide()
{
    QFETCH(int, pixelSize);
    QFETCH(int, side);
    ZCLabelTextIcon label;
    QFont font = label.font();
    font.setPixelSize(pixelSize);
    label.setFont(font);
    label.setTexto(QStringLiteral("Texto"));
    QPixmap icon(100, 100);
    icon.fill(Qt::red);
    label.setIcono(icon);
    label.show();
    const QLabel* iconLabel = label.findChildren<QLabel*>().at(1);
    QCOMPARE(iconLabel->maximumSize(), QSize(side, side));
    QCOMPARE(label.getIcono().size(), icon.size());
}

void TestSmallInputs::pushButtonFollowsThePointer()
{
    ThemeFolder theme;
    theme.writeIcon(QStringLiteral("buscar"));
    GetGestorTemasEstilo()->SetTema(theme.add(QStringLiteral("botones"),
                                              {Qt::black, Qt::green, Qt::red, Qt::blue}));
    ZCPushButton button(nullptr, QStringLiteral("buscar"), true);
    QCOMPARE(button.objectName(), QStringLiteral("buscar"));
    QCOMPARE(button.property("cssClass").toString(), QStringLiteral("icon"));
    const auto iconColour = [&button] {
        return button.icon().pixmap(16, 16).toImage().pixelColor(8, 8);
    };
    QCOMPARE(iconColour(), QColor(Qt::black));

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&button, &enter);
    QCOMPARE(iconColour(), QColor(Qt::green));
    QTest::mousePress(&button, Qt::LeftButton);
    QCOMPARE(iconColour(), QColor(Qt::red));
    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(iconColour(), QColor(Qt::black));

    ZCPushButton plain(nullptr, QStringLiteral("buscar"), false);
    QVERIFY(plain.icon().isNull());
    QVERIFY(plain.objectName().isEmpty());
}

MIROKIT_TEST_MAIN(TestSmallInputs)
#include "tst_zcsmallinputs.moc"

#include "mirokittest.h"

#include "galleryapplication.h"
#include "gallerypagetest.h"

#include <QAccessible>

namespace {

// Roles a user operates: each needs a name a screen reader can say.
bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Dial:
    case QAccessible::EditableText:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

// The items of a view are named by their data, and a view's scroll bars by nobody; neither is a
// control the library builds.
bool isItemContainer(QAccessible::Role role)
{
    return role == QAccessible::List || role == QAccessible::Tree || role == QAccessible::Table
        || role == QAccessible::ScrollBar;
}

// A control the library builds inside one of its widgets, as opposed to one the page made.
bool isBuiltByTheLibrary(const QObject* object)
{
    for (const QObject* owner = object ? object->parent() : nullptr; owner; owner = owner->parent()) {
        if (owner->metaObject()->className()[0] == 'Z')
            return true;
    }
    return false;
}

QString describe(QAccessibleInterface* element)
{
    QObject* object = element->object();
    if (!object)
        return QStringLiteral("(child %1 of an element)").arg(element->role());
    return QStringLiteral("%1 \"%2\" under %3")
        .arg(QString::fromLatin1(object->metaObject()->className()), object->objectName(),
             object->parent() ? QString::fromLatin1(object->parent()->metaObject()->className())
                              : QStringLiteral("nothing"));
}

// Every visible interactive element below `element` that has no accessible name.
void collectUnnamed(QAccessibleInterface* element, QStringList& unnamed, int depth = 0)
{
    if (!element || !element->isValid() || element->state().invisible || depth > 64)
        return;
    const QAccessible::Role role = element->role();
    if (isInteractive(role) && isBuiltByTheLibrary(element->object())
        && element->text(QAccessible::Name).trimmed().isEmpty())
        unnamed.append(describe(element));
    if (isItemContainer(role))
        return;
    for (int i = 0; i < element->childCount(); ++i)
        collectUnnamed(element->child(i), unnamed, depth + 1);
}

} // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT

private slots:
    void everyControlOfEveryPageHasAName_data();
    void everyControlOfEveryPageHasAName();

private:
    GalleryApplication m_application;
};

void tst_Accessibility::everyControlOfEveryPageHasAName_data()
{
    GalleryPageTest::addPageRows();
}

void tst_Accessibility::everyControlOfEveryPageHasAName()
{
    const std::unique_ptr<QWidget> widget = GalleryPageTest::shownPage();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));

    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(widget.get()), unnamed);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("\n  "))));
}

MIROKIT_TEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"

// The gallery is a program for Spain: whatever the machine's own locale, the numbers and dates
// its pages show are written the Spanish way.
#include "mirokittest.h"

#include "galleryapplication.h"
#include "gallerypagetest.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <memory>

namespace {

// The texts a user reads on a page: labels, buttons, editors and the sections of headers (the
// totals under a table among them).
QStringList shownTexts(const QWidget& page)
{
    QStringList texts;
    for (const QLabel* label : page.findChildren<QLabel*>())
        texts.append(label->text());
    for (const QAbstractButton* button : page.findChildren<QAbstractButton*>())
        texts.append(button->text());
    for (const QLineEdit* edit : page.findChildren<QLineEdit*>())
        texts.append(edit->text());
    for (const QHeaderView* header : page.findChildren<QHeaderView*>()) {
        if (!header->model())
            continue;
        for (int section = 0; section < header->count(); ++section)
            texts.append(header->model()->headerData(section, header->orientation()).toString());
    }
    return texts;
}

// English month and weekday names that no Spanish name is spelt like, and thousands grouped
// with commas (which a Spanish reader takes for decimals) standing alone, not inside a list of
// numbers such as a font's description.
const QRegularExpression notSpanish(QStringLiteral(
    "\\b(January|February|March|April|June|July|August|September|October|November|December"
    "|Jan|Apr|Aug|Sep|Dec|Mon|Tue|Wed|Thu|Fri|Sat|Sun)\\b|(?<![\\d,])\\d{1,3}(,\\d{3})+(?![\\d,])"));

// Constructed before the gallery's application object: a machine whose own locale is English.
struct EnglishMachine {
    EnglishMachine() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

} // namespace

class tst_GalleryLocale : public QObject {
    Q_OBJECT

private slots:
    void numbersAndDatesAreSpanish_data();
    void numbersAndDatesAreSpanish();

private:
    EnglishMachine m_machine;
    GalleryApplication m_application;
};

void tst_GalleryLocale::numbersAndDatesAreSpanish_data()
{
    GalleryPageTest::addPageRows();
}

void tst_GalleryLocale::numbersAndDatesAreSpanish()
{
    const std::unique_ptr<QWidget> widget = GalleryPageTest::shownPage();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));

    QStringList offending;
    for (const QString& text : shownTexts(*widget)) {
        if (text.contains(notSpanish))
            offending.append(text);
    }
    QVERIFY2(offending.isEmpty(), qPrintable(offending.join(QStringLiteral("\n  "))));
}

MIROKIT_TEST_MAIN(tst_GalleryLocale)
#include "tst_gallerylocale.moc"

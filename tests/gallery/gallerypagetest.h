#pragma once

#include "gallerypage.h"

#include <QWidget>
#include <QtTest>

#include <memory>

namespace GalleryPageTest {

// One row per gallery page, named by its title, with the page's index in the column "page".
inline void addPageRows()
{
    QTest::addColumn<int>("page");
    const QVector<GalleryPage> pages = GalleryPages::all();
    QVERIFY(!pages.isEmpty());
    for (int i = 0; i < pages.size(); ++i)
        QTest::newRow(qPrintable(pages.at(i).title)) << i;
}

// The page of the current row, made and shown at the gallery's size.
inline std::unique_ptr<QWidget> shownPage()
{
    QFETCH(int, page);
    std::unique_ptr<QWidget> widget(GalleryPages::all().at(page).create());
    widget->resize(1100, 720);
    widget->show();
    return widget;
}

} // namespace GalleryPageTest

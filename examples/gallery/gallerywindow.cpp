#include "gallerywindow.h"

#include "gallerypage.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QStackedWidget>

GalleryWindow::GalleryWindow(QWidget* parent)
    : QWidget(parent)
    , m_navigation(new QListWidget(this))
    , m_pages(new QStackedWidget(this))
{
    setWindowTitle(QStringLiteral("Mirokit — galería"));
    m_navigation->setFixedWidth(190);
    for (const GalleryPage& page : GalleryPages::all()) {
        m_navigation->addItem(page.title);
        m_pages->addWidget(page.create());
    }
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_navigation);
    layout->addWidget(m_pages, 1);
    connect(m_navigation, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);
    m_navigation->setCurrentRow(0);
}

int GalleryWindow::pageCount() const
{
    return m_pages->count();
}

void GalleryWindow::showPage(int index)
{
    m_navigation->setCurrentRow(index);
}

QString GalleryWindow::pageTitle(int index) const
{
    return m_navigation->item(index)->text();
}

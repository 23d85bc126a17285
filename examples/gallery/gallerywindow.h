#pragma once

#include <QWidget>

class QListWidget;
class QStackedWidget;

// Navigation list on the left, the selected page on the right.
class GalleryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit GalleryWindow(QWidget* parent = nullptr);

    int pageCount() const;
    void showPage(int index);
    QString pageTitle(int index) const;

private:
    QListWidget* m_navigation;
    QStackedWidget* m_pages;
};

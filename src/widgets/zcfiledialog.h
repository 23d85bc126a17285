#pragma once

#include "mirokit_global.h"

#include <QFileDialog>
#include <QPointer>

class ZCOverlayShadowGui;

/*!
    QFileDialog that darkens its parent window while it is open, as do its static functions.
*/
class MIROKIT_EXPORT ZCFileDialog : public QFileDialog
{
    Q_OBJECT

public:
    explicit ZCFileDialog(QWidget* parent = nullptr, const QString& caption = QString(),
                          const QString& directory = QString(), const QString& filter = QString());
    ZCFileDialog(QWidget* parent, Qt::WindowFlags flags);
    ~ZCFileDialog() override;

    static QString getExistingDirectory(QWidget* parent = nullptr, const QString& caption = QString(),
                                        const QString& dir = QString(),
                                        QFileDialog::Options options = ShowDirsOnly);
    static QString getOpenFileName(QWidget* parent = nullptr, const QString& caption = QString(),
                                   const QString& dir = QString(), const QString& filter = QString(),
                                   QString* selectedFilter = nullptr,
                                   QFileDialog::Options options = QFileDialog::Options());
    static QStringList getOpenFileNames(QWidget* parent = nullptr, const QString& caption = QString(),
                                        const QString& dir = QString(),
                                        const QString& filter = QString(),
                                        QString* selectedFilter = nullptr,
                                        QFileDialog::Options options = QFileDialog::Options());
    static QString getSaveFileName(QWidget* parent = nullptr, const QString& caption = QString(),
                                   const QString& dir = QString(), const QString& filter = QString(),
                                   QString* selectedFilter = nullptr,
                                   QFileDialog::Options options = QFileDialog::Options());

private:
    // Deleted with the dialog; null once the parent window has taken it down first.
    QPointer<ZCOverlayShadowGui> m_overlay;
};

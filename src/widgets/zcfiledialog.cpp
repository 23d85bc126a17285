#include "zcfiledialog.h"

#include "zcdialogoverlay_p.h"

ZCFileDialog::ZCFileDialog(QWidget* parent, const QString& caption, const QString& directory,
                           const QString& filter)
    : QFileDialog(parent, caption, directory, filter)
    , m_overlay(ZCOverlayShadowGui::newOverlay(this, parent))
{
}

ZCFileDialog::ZCFileDialog(QWidget* parent, Qt::WindowFlags flags)
    : QFileDialog(parent, flags)
    , m_overlay(ZCOverlayShadowGui::newOverlay(this, parent))
{
}

ZCFileDialog::~ZCFileDialog()
{
    delete m_overlay.data();
}

QString ZCFileDialog::getExistingDirectory(QWidget* parent, const QString& caption,
                                           const QString& dir, QFileDialog::Options options)
{
    return ZCDialogOverlay::runDarkened(parent, [&] {
        return QFileDialog::getExistingDirectory(parent, caption, dir, options);
    });
}

QString ZCFileDialog::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                      const QString& filter, QString* selectedFilter,
                                      QFileDialog::Options options)
{
    return ZCDialogOverlay::runDarkened(parent, [&] {
        return QFileDialog::getOpenFileName(parent, caption, dir, filter, selectedFilter, options);
    });
}

QStringList ZCFileDialog::getOpenFileNames(QWidget* parent, const QString& caption,
                                           const QString& dir, const QString& filter,
                                           QString* selectedFilter, QFileDialog::Options options)
{
    return ZCDialogOverlay::runDarkened(parent, [&] {
        return QFileDialog::getOpenFileNames(parent, caption, dir, filter, selectedFilter, options);
    });
}

QString ZCFileDialog::getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                      const QString& filter, QString* selectedFilter,
                                      QFileDialog::Options options)
{
    return ZCDialogOverlay::runDarkened(parent, [&] {
        return QFileDialog::getSaveFileName(parent, caption, dir, filter, selectedFilter, options);
    });
}

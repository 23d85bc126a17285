#pragma once

#include "zlineeditbrowser.h"

/*!
    A browser of a file or folder path: the line edit holds the path, and the pick button opens
    the file dialog (window-modal) at that path, or at the dialog folder when it is empty.
*/
class MIROKIT_EXPORT ZFilePathEditBrowser : public ZLineEditBrowser
{
    Q_OBJECT

public:
    //! focusOnButton: Tab stops at the pick button (typing needs a click into the path first);
    //! foldersOnly: the dialog picks a folder instead of a file.
    explicit ZFilePathEditBrowser(QWidget* parent = nullptr, bool focusOnButton = false,
                                  bool foldersOnly = false);
    ~ZFilePathEditBrowser() override;

    void setPath(const QString& path);
    QString getPath() const;
    void SetInfoOpenDialog(const QString& caption, const QString& dir, const QString& filter);
    void setShowDirsOnly(bool foldersOnly);

public slots:
    void setDialogCaption(QString szDialogCaption);
    void setDialogDir(QString szDialogDir);
    void setDialogFilter(QString szDialogFilter);
    void setDialogSelectedFilter(QString szDialogSelFilter);
    bool isShowDirsOnly() const;

protected:
    void onPressBrowser() override;

private:
    void onFileSelected(const QString& path);

    bool m_foldersOnly;
    QString m_caption;
    QString m_dir;
    QString m_filter;
    QString m_selectedFilter;
};

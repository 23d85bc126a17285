#include "zfilepatheditbrowser.h"

#include "zcfiledialog.h"
#include "zcthemeicon_p.h"
#include "zlineedit.h"

ZFilePathEditBrowser::ZFilePathEditBrowser(QWidget* parent, bool focusOnButton, bool foldersOnly)
    : ZLineEditBrowser(parent, focusOnButton)
    , m_foldersOnly(foldersOnly)
{
    SetIcono(themeIcon(QStringLiteral("folder")));
}

ZFilePathEditBrowser::~ZFilePathEditBrowser() = default;

void ZFilePathEditBrowser::setPath(const QString& path)
{
    setText(path);
    setModified(false);
}

QString ZFilePathEditBrowser::getPath() const
{
    return text();
}

void ZFilePathEditBrowser::SetInfoOpenDialog(const QString& caption, const QString& dir, const QString& filter)
{
    m_caption = caption;
    m_dir = dir;
    m_filter = filter;
}

void ZFilePathEditBrowser::setShowDirsOnly(bool foldersOnly) { m_foldersOnly = foldersOnly; }
bool ZFilePathEditBrowser::isShowDirsOnly() const { return m_foldersOnly; }
void ZFilePathEditBrowser::setDialogCaption(QString szDialogCaption) { m_caption = szDialogCaption; }
void ZFilePathEditBrowser::setDialogDir(QString szDialogDir) { m_dir = szDialogDir; }
void ZFilePathEditBrowser::setDialogFilter(QString szDialogFilter) { m_filter = szDialogFilter; }
void ZFilePathEditBrowser::setDialogSelectedFilter(QString szDialogSelFilter) { m_selectedFilter = szDialogSelFilter; }

void ZFilePathEditBrowser::onPressBrowser()
{
    const QString start = text().isEmpty() ? m_dir : text();
    auto* dialog = new ZCFileDialog(this, m_caption, start, m_filter);
    if (m_foldersOnly)
        dialog->setFileMode(QFileDialog::Directory);
    dialog->setDirectory(start);
    if (!m_selectedFilter.isEmpty())
        dialog->selectNameFilter(m_selectedFilter);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, &ZFilePathEditBrowser::onFileSelected);
    dialog->open();
}

// Reported as an edit, since the user chose it; the line edit's signal reaches the browser's.
void ZFilePathEditBrowser::onFileSelected(const QString& path)
{
    setText(path);
    setModified(true);
    getLineEdit()->emitTextEdited(path);
}

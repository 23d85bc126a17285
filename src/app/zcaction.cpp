#include "zcaction.h"

#include "zckeysequence.h"
#include "zceditorpopup.h"
#include "zcicon.h"

#include <QDebug>
#include <QFile>
#include <QToolBar>

ZCAction::ZCAction(const QIcon& icon, const QString& text, QObject* parent)
    : QAction(icon, text, parent)
{
}

ZCAction::ZCAction(const QString& text, QObject* parent)
    : QAction(text, parent)
{
}

ZCAction::ZCAction(QObject* parent)
    : QAction(parent)
{
}

ZCAction::~ZCAction() = default;

void ZCAction::SetShortcut(const QKeySequence& keys, Qt::ShortcutContext context, bool showInToolTip)
{
    SetShortcutToAction(this, keys, context, showInToolTip);
}

void ZCAction::SetWidgetPopup(QWidget* editor, QToolBar* toolBar)
{
    QWidget* button = toolBar ? toolBar->widgetForAction(this) : nullptr;
    if (!button) {
        qWarning().noquote() << tr("ZCAction::SetWidgetPopup: la acción \"%1\" no tiene botón en la barra de herramientas")
                                    .arg(iconText());
        return;
    }
    if (m_editorPopup) {
        // The editor given again must outlive the pop-up that holds it now.
        if (editor && m_editorPopup->isAncestorOf(editor))
            editor->setParent(nullptr);
        delete m_editorPopup;
    }
    m_editorPopup = new ZCEditorPopup(button);
    m_editorPopup->setEditor(editor);
    m_editorPopup->SetVerBotones(false);
    m_editorPopup->SetSizeGripEnabled(true);
}

ZCEditorPopup* ZCAction::GetEditorPopup()
{
    return m_editorPopup;
}

namespace {

// The print-preview images Qt 6 renamed, by the Qt 5 names the function takes under both.
QString printPreviewImageName(const QLatin1String& name)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    static const struct {
        const char* qt5Name;
        const char* qt6Name;
    } renamed[] = {
        {"print", "printer"},
        {"fit-width", "zoom-fit-width"},
        {"fit-page", "zoom-fit-page"},
        {"view-page-one", "view-pages-single"},
        {"view-page-sided", "view-pages-facing"},
        {"view-page-multi", "view-pages-overview"},
    };
    for (const auto& entry : renamed) {
        if (name == QLatin1String(entry.qt5Name))
            return QLatin1String(entry.qt6Name);
    }
#endif
    return name;
}

} // namespace

void setupActionIconQtPrintPreview(QAction* action, const QLatin1String& name)
{
    if (!action) {
        qWarning().noquote() << ZCAction::tr("setupActionIconQtPrintPreview: la acción es nula");
        return;
    }
    // Images of Qt PrintSupport, registered when the library loads it (the library links it).
    const QString path = QLatin1String(":/qt-project.org/dialogs/qprintpreviewdialog/images/")
                         + printPreviewImageName(name);
    ZCIcon icon;
    for (const int size : {24, 32}) {
        const QString file = path + QStringLiteral("-%1.png").arg(size);
        // QIcon takes a missing file too, and would then draw nothing.
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size), QIcon::Normal, QIcon::Off);
    }
    if (icon.isNull()) {
        qWarning().noquote() << ZCAction::tr("setupActionIconQtPrintPreview: no hay ningún icono %1")
                                    .arg(name);
        return;
    }
    action->setIcon(icon);
}

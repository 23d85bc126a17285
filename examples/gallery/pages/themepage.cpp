// "Temas": the two example themes shipped with the gallery (light and dark), picked through the
// library's theme menu, with sample widgets and the theme icons in their four states.
#include "gallerypage.h"

#include <Mirokit/ZCGestorTemasEstilo.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QStringList iconNames{QStringLiteral("save"), QStringLiteral("open"), QStringLiteral("search"),
                            QStringLiteral("home"), QStringLiteral("add"), QStringLiteral("delete"),
                            QStringLiteral("star"), QStringLiteral("bell"), QStringLiteral("refresh"),
                            QStringLiteral("close")};

// The themes live in the source tree; the gallery runs from some build folder below or beside
// it, so look upwards from the executable, then beside it.
QString themesFolder()
{
    const QString relative = QStringLiteral("examples/gallery/themes");
    for (QDir dir(QCoreApplication::applicationDirPath());; ) {
        if (dir.exists(relative))
            return dir.filePath(relative);
        if (!dir.cdUp())
            break;
    }
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("themes"));
}

// A theme's JSON names its files relative to its own folder; the host makes them absolute and
// sends the generated PNGs to a writable place.
QString themeJson(const QString& folder)
{
    QFile file(QDir(folder).filePath(QStringLiteral("tema.json")));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QJsonObject theme = QJsonDocument::fromJson(file.readAll()).object();
    const QDir dir(folder);
    for (const QString& key : {QStringLiteral("senda_iconos"), QStringLiteral("senda_css")})
        theme.insert(key, dir.filePath(theme.value(key).toString()));
    const QString generated = QDir::temp().filePath(QStringLiteral("mirokit-gallery/%1/%2")
                                                        .arg(dir.dirName(), theme.value(QStringLiteral("senda_iconos_css")).toString()));
    theme.insert(QStringLiteral("senda_iconos_css"), generated);
    return QString::fromUtf8(QJsonDocument(theme).toJson());
}

void loadGalleryThemes()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    const QDir themes(themesFolder());
    for (const QString& name : {QStringLiteral("claro"), QStringLiteral("oscuro")})
        manager->AddTemaFromJSON(themeJson(themes.filePath(name)));
    // Set before the theme menu is built, so the menu shows it checked.
    if (manager->AddTemaFromJSON(QStringLiteral("[]")) >= 0)
        manager->SetTema(0);
}

QWidget* themeBar()
{
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);

    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    auto* title = new QLabel(QStringLiteral("Tema: %1").arg(manager->GetCurrentTema().GetNombre()));
    title->setObjectName(QStringLiteral("titulo"));
    auto* chooser = new QToolButton;
    chooser->setText(QStringLiteral("Elegir tema"));
    // Host icons asked for once: they follow every SetTema and QuitarTema by themselves.
    chooser->setIcon(manager->GetIconoTema(QStringLiteral("star")));
    chooser->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    chooser->setPopupMode(QToolButton::InstantPopup);
    chooser->setMenu(manager->GetMenuTemas());
    manager->GetActionRefresh()->setIcon(manager->GetIconoTema(QStringLiteral("refresh")));
    auto* refresh = new QToolButton;
    refresh->setDefaultAction(manager->GetActionRefresh());
    refresh->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addAction(manager->GetActionRefresh());
    // Back to the application's own look: the library's controls draw its default icons again.
    auto* none = new QToolButton;
    none->setText(QStringLiteral("Sin tema"));
    QObject::connect(none, &QToolButton::clicked, manager, &ZCGestorTemasEstilo::QuitarTema);

    QObject::connect(manager, &ZCGestorTemasEstilo::temaChanged, title, [title](int index) {
        title->setText(index < 0 ? QStringLiteral("Sin tema")
                                 : QStringLiteral("Tema: %1").arg(GetGestorTemasEstilo()->GetCurrentTema().GetNombre()));
    });

    layout->addWidget(title);
    layout->addStretch();
    layout->addWidget(chooser);
    layout->addWidget(refresh);
    layout->addWidget(none);
    return bar;
}

QWidget* sampleWidgets()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    auto* box = new QGroupBox(QStringLiteral("Controles de muestra"));
    auto* grid = new QGridLayout(box);

    auto* search = new QLineEdit;
    search->setPlaceholderText(QStringLiteral("Buscar…"));
    search->addAction(manager->GetIconoTema(QStringLiteral("search")), QLineEdit::LeadingPosition);
    auto* combo = new QComboBox;
    combo->addItems({QStringLiteral("Enero"), QStringLiteral("Febrero"), QStringLiteral("Marzo")});
    auto* spin = new QSpinBox;
    spin->setRange(0, 100);
    spin->setValue(42);
    auto* check = new QCheckBox(QStringLiteral("Recordar"));
    check->setChecked(true);
    auto* radio = new QRadioButton(QStringLiteral("Opción"));
    radio->setChecked(true);
    auto* save = new QPushButton(manager->GetIconoTema(QStringLiteral("save")), QStringLiteral("Guardar"));
    auto* remove = new QPushButton(manager->GetIconoTema(QStringLiteral("delete")), QStringLiteral("Borrar"));
    remove->setEnabled(false);
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setValue(60);
    auto* progress = new QProgressBar;
    progress->setValue(60);
    QObject::connect(slider, &QSlider::valueChanged, progress, &QProgressBar::setValue);

    grid->addWidget(search, 0, 0, 1, 2);
    grid->addWidget(combo, 0, 2);
    grid->addWidget(spin, 0, 3);
    grid->addWidget(check, 1, 0);
    grid->addWidget(radio, 1, 1);
    grid->addWidget(save, 1, 2);
    grid->addWidget(remove, 1, 3);
    grid->addWidget(slider, 2, 0, 1, 2);
    grid->addWidget(progress, 2, 2, 1, 2);
    return box;
}

QToolButton* iconButton(const QIcon& icon, bool enabled)
{
    auto* button = new QToolButton;
    button->setAutoRaise(true);
    button->setIcon(icon);
    button->setIconSize(QSize(24, 24));
    button->setEnabled(enabled);
    return button;
}

QWidget* iconGrid()
{
    static const char* const states[] = {"normal", "hover", "pressed", "notify"};
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    auto* box = new QGroupBox(QStringLiteral("Iconos del tema por estado (FromTheme)"));
    auto* grid = new QGridLayout(box);
    for (int state = 0; state < 4; ++state)
        grid->addWidget(new QLabel(QLatin1String(states[state])), state + 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("deshabilitado")), 5, 0);

    for (int column = 0; column < iconNames.size(); ++column) {
        const QString& name = iconNames.at(column);
        auto* caption = new QLabel(name);
        caption->setAlignment(Qt::AlignCenter);
        grid->addWidget(caption, 0, column + 1);
        for (int state = 0; state < 4; ++state) {
            const QIcon icon = manager->FromTheme(name, static_cast<ZCGestorTemasEstilo::EEstadoIcono>(state));
            grid->addWidget(iconButton(icon, true), state + 1, column + 1, Qt::AlignCenter);
        }
        grid->addWidget(iconButton(manager->FromTheme(name, ZCGestorTemasEstilo::EstadoNormal), false), 5,
                        column + 1, Qt::AlignCenter);
    }
    grid->setColumnStretch(iconNames.size() + 1, 1);
    return box;
}

QWidget* createThemePage()
{
    loadGalleryThemes();
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(themeBar());
    layout->addWidget(sampleWidgets());
    layout->addWidget(iconGrid());
    layout->addStretch();
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(20, "Temas", createThemePage);

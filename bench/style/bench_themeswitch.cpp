// Switching themes back and forth on a window of 1,000 widgets, against setting the two already
// resolved style sheets directly.
#include "benchmark.h"
#include "benchtheme.h"

#include <Mirokit/ZCQssParser.h>

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

QByteArray themeSheet(const char* background, const char* text, const char* accent)
{
    return QByteArray(":root {\n--fondo: ") + background + ";\n--texto: " + text + ";\n--acento: " + accent
        + ";\n--borde: 1px solid var(--acento);\n}\n"
          "QWidget { background: var(--fondo); color: var(--texto); }\n"
          "QPushButton, QLineEdit { border: var(--borde); padding: 3px; }\n"
          "QPushButton:hover { background: var(--acento); }\n"
          "QCheckBox::indicator:checked { image: icon(icon0, 14, 14, hover); }\n"
          "QToolButton { qproperty-iconSize: 16px; border: none; }\n";
}

QWidget* window()
{
    auto* window = new QWidget;
    auto* grid = new QGridLayout(window);
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    for (int i = 0; i < 1000; ++i) {
        QWidget* widget = nullptr;
        switch (i % 5) {
        case 0: widget = new QLabel(QStringLiteral("Etiqueta %1").arg(i)); break;
        case 1: widget = new QLineEdit(QStringLiteral("Texto %1").arg(i)); break;
        case 2: widget = new QPushButton(QStringLiteral("Botón %1").arg(i)); break;
        case 3: widget = new QCheckBox(QStringLiteral("Casilla %1").arg(i)); break;
        default: {
            auto* button = new QToolButton;
            button->setIcon(manager->FromTheme(benchtheme::iconName(i % 3), ZCGestorTemasEstilo::EstadoNormal));
            widget = button;
        }
        }
        grid->addWidget(widget, i / 25, i % 25);
    }
    return window;
}

QString resolved(const QTemporaryDir& dir)
{
    ZCQssParser parser(QDir(dir.path()).filePath(QStringLiteral("main.qss")));
    parser.Parse();
    return parser.GetStyleSheet();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QTemporaryDir light;
    QTemporaryDir dark;
    benchtheme::writeFile(QDir(light.path()).filePath(QStringLiteral("main.qss")), themeSheet("#f4f6f8", "#263238", "#1e88e5"));
    benchtheme::writeFile(QDir(dark.path()).filePath(QStringLiteral("main.qss")), themeSheet("#1e2429", "#e0e6ea", "#4fc3f7"));
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    const int lightIndex = benchtheme::addTheme(light, QStringLiteral("Claro"), QColor(38, 50, 56), 3);
    const int darkIndex = benchtheme::addTheme(dark, QStringLiteral("Oscuro"), QColor(207, 216, 220), 3);

    manager->SetTema(darkIndex);
    const QString darkSheet = resolved(dark);
    manager->SetTema(lightIndex);
    const QString lightSheet = resolved(light);

    std::unique_ptr<QWidget> shown(window());
    shown->show();
    QCoreApplication::processEvents();

    bench::compare(QStringLiteral("theme switch back and forth, 1000 widgets"),
                   [&] {
                       manager->SetTema(darkIndex);
                       manager->SetTema(lightIndex);
                   },
                   [&] {
                       qApp->setStyleSheet(darkSheet);
                       qApp->setStyleSheet(lightSheet);
                   },
                   5);
    return 0;
}

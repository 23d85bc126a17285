// "Diálogos y texto": the dialog base with a remembered size, the size grip, the library's
// cursors, the wait cursor and the rich text editor in both of its modes.
#include "gallerypage.h"

#include <Mirokit/ZCCursor.h>
#include <Mirokit/ZCDialog.h>
#include <Mirokit/ZCDlgTextEditor.h>
#include <Mirokit/ZCHeaderBox.h>
#include <Mirokit/ZCSizeGrip.h>
#include <Mirokit/ZCWaitCursor.h>
#include <Mirokit/ZTextEdit.h>

#include <QBitmap>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace {

void openDialog(QWidget* parent)
{
    auto* dialog = new ZCDialog(QStringLiteral("Datos del cliente"), parent->window(), QStringLiteral("GaleriaDialogo"));
    dialog->SetHeaderBox(new ZCHeaderBox(Qt::white, QColor(0x1565c0), QStringLiteral("Cliente"), 1.4,
                                         QStringLiteral("Cambie el tamaño: se recuerda la próxima vez"), true));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Nombre:"), new QLineEdit(QStringLiteral("Distribuciones Gómez")));
    form->addRow(QStringLiteral("NIF:"), new QLineEdit(QStringLiteral("B12345678")));
    auto* body = new QWidget;
    body->setLayout(form);
    dialog->AddWidget(body, 1);
    dialog->AddBotonesAceptarCancelar();
    dialog->resize(420, 240);
    dialog->LoadSettings();
    dialog->OpenAndDelete();
}

// A cursor is invisible in a screenshot, so each label also shows its image.
QPixmap cursorPicture(int shape)
{
    const QCursor cursor = ZCCursor(shape).getCursor();
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QBitmap bitmap = cursor.bitmap();
    const QBitmap mask = cursor.mask();
#else
    const QBitmap bitmap = cursor.bitmap(Qt::ReturnByValue);
    const QBitmap mask = cursor.mask(Qt::ReturnByValue);
#endif
    if (bitmap.isNull())
        return QPixmap();
    QPixmap picture(bitmap.size());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QPixmap white(bitmap.size());
    white.fill(Qt::white);
    white.setMask(mask);
    painter.drawPixmap(0, 0, white);
    QPixmap black(bitmap.size());
    black.fill(Qt::black);
    black.setMask(bitmap);
    painter.drawPixmap(0, 0, black);
    painter.setPen(Qt::red);
    painter.drawPoint(cursor.hotSpot());
    return picture;
}

QWidget* cursorsBox()
{
    auto* box = new QGroupBox(QStringLiteral("Cursores (pase el ratón por encima)"));
    auto* layout = new QHBoxLayout(box);
    const QList<QPair<int, QString>> shapes{{22, QStringLiteral("22 lápiz")},
                                            {23, QStringLiteral("23 vaso")},
                                            {24, QStringLiteral("24 cuentagotas")},
                                            {int(Qt::PointingHandCursor), QStringLiteral("13 mano")},
                                            {99, QStringLiteral("99 flecha")}};
    for (const auto& shape : shapes) {
        auto* label = new QLabel;
        label->setFrameShape(QFrame::StyledPanel);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumSize(96, 64);
        const QPixmap picture = cursorPicture(shape.first);
        if (picture.isNull())
            label->setText(shape.second);
        else
            label->setPixmap(picture);
        label->setToolTip(shape.second);
        label->setCursor(ZCCursor(shape.first).getCursor());
        layout->addWidget(label);
    }
    auto* wait = new QPushButton(QStringLiteral("Cursor de espera (2 s)"));
    QObject::connect(wait, &QPushButton::clicked, wait, [] {
        auto waiting = std::make_shared<ZCWaitCursor>();
        QTimer::singleShot(2000, [waiting]() mutable { waiting.reset(); });
    });
    layout->addWidget(wait);
    layout->addStretch();
    return box;
}

QWidget* gripBox()
{
    auto* box = new QGroupBox(QStringLiteral("Asa de tamaño dentro de un widget"));
    auto* layout = new QHBoxLayout(box);
    // The grip's parent lives in a container without a layout, so that it can be resized freely.
    auto* container = new QWidget;
    container->setFixedSize(420, 130);
    auto* area = new QFrame(container);
    area->setFrameShape(QFrame::Box);
    area->setFocusPolicy(Qt::StrongFocus);
    area->setGeometry(0, 0, 260, 90);
    auto* hint = new QLabel(QStringLiteral("Arrastre la esquina, o pulse aquí y use\nlas flechas (Ctrl: de 5 en 5)"), area);
    hint->move(8, 8);
    new ZCSizeGrip(area);
    layout->addWidget(container);
    auto* buttons = new QVBoxLayout;
    auto* dialogButton = new QPushButton(QStringLiteral("Abrir un ZCDialog…"));
    QObject::connect(dialogButton, &QPushButton::clicked, box, [box] { openDialog(box); });
    auto* editorButton = new QPushButton(QStringLiteral("Abrir el editor en un diálogo…"));
    QObject::connect(editorButton, &QPushButton::clicked, box, [box] {
        auto* dialog = new ZCDlgTextEditor(QStringLiteral("Observaciones"), box->window());
        dialog->GetTextEditor()->SetText(QStringLiteral("<p>Ctrl+Intro acepta el diálogo.</p>"));
        dialog->OpenAndDelete();
    });
    buttons->addWidget(dialogButton);
    buttons->addWidget(editorButton);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
    return box;
}

QWidget* editorsBox()
{
    auto* box = new QGroupBox(QStringLiteral("Editor de texto: enriquecido y simple"));
    auto* layout = new QVBoxLayout(box);
    auto* rich = new ZTextEdit(box);
    rich->SetText(QStringLiteral(
        "<h3>Pedido 2041</h3><p>Entrega <b>urgente</b> en <i>almacén central</i>.</p>"
        "<ol><li>Revisar albarán</li><li>Confirmar con <span style='color:#c62828'>cliente</span></li></ol>"
        "<p align='right'>Madrid, diciembre</p>"));
    auto* plain = new ZTextEdit(box);
    plain->SetAceptaTextoEnriquecido(false);
    plain->SetText(QStringLiteral("Texto simple: sin barras de formato.\nSólo edición."));
    layout->addWidget(rich, 3);
    layout->addWidget(plain, 2);
    return box;
}

QWidget* createDialogsPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(cursorsBox());
    layout->addWidget(gripBox());
    layout->addWidget(editorsBox(), 1);
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(60, "Diálogos y texto", createDialogsPage);

#pragma once

#include "mirokit_global.h"

#include <QList>
#include <QPointer>
#include <QToolBar>
#include <QVector>

class QLabel;
class QLineEdit;
class QSlider;

/*!
    A tool bar that shows a current page (or record) within a total and lets the user move
    through them: first, previous, next and last buttons (Ctrl+Home, Ctrl+PageUp, Ctrl+PageDown,
    Ctrl+End while the focus is in the bar), a page field, a total label, a slider and room for
    the caller's own actions. It only keeps the number: numPaginaChanged() tells the caller which
    page to load. Setting the page or the total from code never emits; the public slots
    onPrimeraPagina(), onPaginaAnterior(), onPaginaSiguiente(), onUltimaPagina() and irAPagina()
    are the user's moves, for hosts and scripts, and emit as the buttons and the page field do.

    The flags choose which parts are built. The bar owns what it builds; the caller's actions
    stay the caller's.
*/
class MIROKIT_EXPORT ZCPaginadorToolbar : public QToolBar
{
    Q_OBJECT

public:
    enum EFlagPaginador : unsigned int {
        BotonesPrimeraUltima = 0x01,
        BotonesAnteriorSiguiente = 0x02,
        EditPagina = 0x04,
        AccionesPersonalizadas = 0x08,
        SliderPagina = 0x10,
        LabelInicial = 0x20,
        LabelFinal = 0x40,
        LabelTotal = 0x80,
        TodasLasPartes = 0xff
    };

    //! flags: the EFlagPaginador parts to build; a total of 0 makes the current page 0.
    explicit ZCPaginadorToolbar(unsigned int totalPaginas, QWidget* parent = nullptr,
                                unsigned int paginaActual = 1, unsigned int flags = TodasLasPartes);
    ~ZCPaginadorToolbar() override;

    unsigned int GetPaginaActual() const { return m_paginaActual; }
    void SetPaginaActual(unsigned int pagina);
    unsigned int GetTotalPaginas() const { return m_totalPaginas; }
    void SetTotalPaginas(unsigned int total);
    void SetTotalPaginas(unsigned int total, unsigned int actual);

    unsigned int GetFlags() const { return m_flags; }
    void SetFlags(unsigned int flags);

    QString GetLabelInicial() const { return m_labelInicial; }
    void SetLabelInicial(const QString& texto);
    QString GetLabelFinal() const { return m_labelFinal; }
    void SetLabelFinal(const QString& texto);

    void InsertarAccion(QAction* accion);
    void InsertarAcciones(const QList<QAction*>& acciones);
    QList<QAction*> GetAccionesPersonalizadas() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void numPaginaChanged(uint nNuevaPagina);

public slots:
    void onPrimeraPagina();
    void onUltimaPagina();
    void onPaginaAnterior();
    void onPaginaSiguiente();

protected slots:
    void onPaginaSlider(int nPos);
    void onPaginaTextEdit();
    void onCambioOrientacionToolbar(Qt::Orientation orientation);

public slots:
    //! Goes to a page as typing it in the page field does: only a page from 1 to the total
    //! that is not the current one is taken.
    void irAPagina(uint nPagina);

protected:
    void GotoPagina(unsigned int pagina);

private:
    void Init();
    void clearParts();
    QAction* addPart(QWidget* widget);
    QAction* addSpacerPart();
    QAction* addSeparatorPart();
    QAction* addButtonPart(const char* iconName, const QString& text, void (ZCPaginadorToolbar::*slot)(), int key);
    void addPageEdit();
    void addSlider();
    void refrescarTotal();
    void refrescarControles();
    void fitPageEditToTotal();
    void setLabelText(QAction* action, const QString& text);
    QLabel* labelOf(QAction* action) const;
    QLineEdit* pageEdit() const;
    QSlider* slider() const;

    QString m_labelInicial;
    QString m_labelFinal;
    quint32 m_paginaActual = 0;
    quint32 m_totalPaginas = 0;
    quint16 m_flags = 0;

    QAction* m_accionLabelInicial = nullptr;
    QAction* m_accionLabelFinal = nullptr;
    QAction* m_accionLabelTotal = nullptr;
    QAction* m_accionEdit = nullptr;
    QAction* m_accionSlider = nullptr;
    QAction* m_accionSeparadorSlider = nullptr;
    QAction* m_accionPrimera = nullptr;
    QAction* m_accionUltima = nullptr;
    QAction* m_accionAnterior = nullptr;
    QAction* m_accionSiguiente = nullptr;

    QVector<QPointer<QAction>> m_accionesPersonalizadas;
    // Everything the bar built itself, deleted at the next build.
    QVector<QPointer<QAction>> m_partes;
};

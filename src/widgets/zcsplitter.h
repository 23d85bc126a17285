#pragma once

#include "mirokit_global.h"

#include <QList>
#include <QSplitter>

/*!
    A QSplitter that can work in grow mode: dragging a handle resizes only the section before
    it, and the splitter itself grows or shrinks by the same amount, so the sections after the
    handle keep their sizes. Its handles (ZCSplitterHandle) can paint a shortened grip.
*/
class MIROKIT_EXPORT ZCSplitter : public QSplitter
{
    Q_OBJECT

public:
    enum ETipoRedimensionado {
        Normal = 0, // as QSplitter
        Crecer = 1, // grow mode
    };
    Q_ENUM(ETipoRedimensionado)

    explicit ZCSplitter(ETipoRedimensionado tipo = Normal, QWidget* parent = nullptr);
    ZCSplitter(Qt::Orientation orientation, ETipoRedimensionado tipo, QWidget* parent = nullptr);
    ~ZCSplitter() override;

    void addWidget(QWidget* widget);
    void setSizes(const QList<int>& sizes);
    // Whether the sections differ from the sizes last stored (by count or by any size).
    bool NecesitaResizearSecciones() const;

protected slots:
    virtual void OnSplitterMoved(int pos, int index);

protected:
    QSplitterHandle* createHandle() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ETipoRedimensionado m_tipo;
    QList<int> m_storedSizes;
};

#pragma once

#include "mirokit_global.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <memory>

/*!
    One entry of a ZCCoverFlow: a title, a second text (the path it came from, shown as the
    subtitle) and an optional image.

    An item wants an image until one is given or cleared: the cover flow asks its caller for the
    image of every wanting item that comes into view.
*/
class MIROKIT_EXPORT ZCCoverFlowItem : public QObject
{
    Q_OBJECT

public:
    ZCCoverFlowItem(const QString& titulo, const QString& path, QObject* parent = nullptr);
    ZCCoverFlowItem(const QString& titulo, const QImage& image, QObject* parent = nullptr);
    explicit ZCCoverFlowItem(QObject* parent = nullptr);
    ~ZCCoverFlowItem() override;

    QString GetTitulo() const { return m_titulo; }
    void SetTitulo(const QString& titulo) { m_titulo = titulo; }
    QString GetPath() const { return m_path; }
    // Null when the item holds no image.
    const QImage* GetImage() const { return m_image.get(); }
    bool NeedImage() const { return m_needImage; }

public slots:
    // A null image clears the held one; either way the item stops wanting an image.
    void SetImage(QImage image);
    void ClearImage();

signals:
    void imageChanged();

private:
    QString m_titulo;
    std::unique_ptr<QImage> m_image;
    bool m_needImage = true;
    QString m_path;
};

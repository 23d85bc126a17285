#pragma once

#include "mirokit_global.h"

#include <QPointer>

class ZCMainWindow;

/*!
    Mix-in base of a host's document views. A view registers with the current main window when
    it is constructed and leaves that same window when it is destroyed; NotificaUpdate() sends a
    hint and six untyped arguments to every other registered view's OnUpdateView(). The hint
    and the arguments are the host's own protocol: the library only carries them.
*/
class MIROKIT_EXPORT ZCView
{
public:
    ZCView();
    // A copy is a view of its own and is not registered.
    ZCView(const ZCView& other);
    ZCView& operator=(const ZCView& other);
    virtual ~ZCView();

protected:
    friend class ZCMainWindow;

    virtual void OnUpdateView(ZCView* sender, int hint, void* p1, void* p2, void* p3, void* p4,
                              void* p5, void* p6);
    void NotificaUpdate(ZCView* sender, int hint, void* p1 = nullptr, void* p2 = nullptr,
                        void* p3 = nullptr, void* p4 = nullptr, void* p5 = nullptr,
                        void* p6 = nullptr) const;

private:
    QPointer<ZCMainWindow> m_mainWindow;
};

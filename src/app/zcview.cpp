#include "zcview.h"

#include "zcmainwindow.h"

ZCView::ZCView()
    : m_mainWindow(GetMainWindow())
{
    if (m_mainWindow)
        m_mainWindow->EntraView(this);
}

ZCView::ZCView(const ZCView& other)
{
    Q_UNUSED(other)
}

ZCView& ZCView::operator=(const ZCView& other)
{
    Q_UNUSED(other)
    return *this;
}

ZCView::~ZCView()
{
    if (m_mainWindow)
        m_mainWindow->SaleView(this);
}

void ZCView::OnUpdateView(ZCView* sender, int hint, void* p1, void* p2, void* p3, void* p4,
                          void* p5, void* p6)
{
    Q_UNUSED(sender)
    Q_UNUSED(hint)
    Q_UNUSED(p1)
    Q_UNUSED(p2)
    Q_UNUSED(p3)
    Q_UNUSED(p4)
    Q_UNUSED(p5)
    Q_UNUSED(p6)
}

void ZCView::NotificaUpdate(ZCView* sender, int hint, void* p1, void* p2, void* p3, void* p4,
                            void* p5, void* p6) const
{
    // A registered view talks to its own window, also when another one is current by now.
    ZCMainWindow* window = m_mainWindow ? m_mainWindow.data() : GetMainWindow();
    if (window)
        window->UpdateAllViews(sender, hint, p1, p2, p3, p4, p5, p6);
}

#include "document.h"
#include "view.h"
#include <algorithm>

namespace framework {

bool CDocument::OnNewDocument()
{
    title_.clear();
    return true;
}

void CDocument::AddView(CView* view)
{
    if (std::find(views_.begin(), views_.end(), view) == views_.end())
        views_.push_back(view);
}

void CDocument::RemoveView(CView* view)
{
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint)
{
    for (CView* view : views_)
        if (view != sender)
            view->OnUpdate(sender, hint);
}

}  // namespace framework

// SPDX-License-Identifier: MIT
#include "formmirror.h"

#include "framebox.h"

#include <QLayout>
#include <QMainWindow>

namespace {

// Controls that a layout places are mirrored by the layout itself.
void mirrorChildren(QWidget *container)
{
    const QLayout *layout = container->layout();
    for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || (layout && layout->indexOf(child) >= 0))
            continue;
        child->move(container->width() - child->x() - child->width(), child->y());
    }
}

} // namespace

void FormMirror::mirrorIfRightToLeft(QWidget *form)
{
    if (!form->isRightToLeft())
        return;
    const auto *mainWindow = qobject_cast<QMainWindow *>(form);
    mirrorChildren(mainWindow ? mainWindow->centralWidget() : form);
    for (FrameBox *frame : form->findChildren<FrameBox *>())
        mirrorChildren(frame);
}

#include "dialogscreenfit.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace
{

const char* const FittedProperty = "tervaneloFittedToScreen";

// Removes widget from layout or from any layout nested in it.
bool takeFromLayout(QLayout* layout, QWidget* widget)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget) {
            delete layout->takeAt(i);
            return true;
        }
        if (item->layout() && takeFromLayout(item->layout(), widget))
            return true;
    }
    return false;
}

// What the dialog's contents need at the least, frame excluded.
QSize contentsMinimum(QDialog* dialog)
{
    if (QLayout* layout = dialog->layout())
        return layout->totalMinimumSize();
    // A form placed by hand: its children where the form put them, with the
    // same margin right and below as left and above.
    const QRect used = dialog->childrenRect();
    return QSize(used.right() + 1 + std::max(0, used.left()),
                 used.bottom() + 1 + std::max(0, used.top()));
}

// Moves the dialog's contents into a scroll area filling the dialog.
void wrapInScrollArea(QDialog* dialog)
{
    auto* inner = new QWidget;
    QDialogButtonBox* buttons = nullptr;
    QMargins margins(0, 0, 0, 0);
    if (QLayout* form = dialog->layout()) {
        for (auto* box :
             dialog->findChildren<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly))
            if (takeFromLayout(form, box)) {
                buttons = box;
                break;
            }
        margins = form->contentsMargins();
        // Taking over the layout moves its widgets with it.
        inner->setLayout(form);
    } else {
        inner->setMinimumSize(contentsMinimum(dialog));
        const auto children = dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) {
            if (child->isWindow())
                continue;
            const bool shown = !child->isHidden();
            const QPoint at = child->pos();
            child->setParent(inner);
            child->move(at);
            child->setVisible(shown);
        }
    }
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("screenFitScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(inner);

    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll, 1);
    scroll->show();
    if (buttons) {
        // The margins the form had around everything now hold only the buttons.
        auto* row = new QVBoxLayout;
        row->setContentsMargins(margins.left(), 0, margins.right(), margins.bottom());
        row->addWidget(buttons);
        outer->addLayout(row);
        buttons->show();
    }
}

QScreen* screenOf(QDialog* dialog)
{
    QScreen* screen = nullptr;
    if (dialog->testAttribute(Qt::WA_Moved))
        screen = QGuiApplication::screenAt(dialog->geometry().center());
    else if (QWidget* parent = dialog->parentWidget())
        screen = parent->window()->screen();
    else
        screen = QGuiApplication::screenAt(QCursor::pos());
    return screen ? screen : QGuiApplication::primaryScreen();
}

// The window manager's frame is known only for windows already on screen:
// take the largest one among them as the frame this dialog will get.
QMargins expectedFrame()
{
    QMargins frame(0, 0, 0, 0);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !window->windowHandle())
            continue;
        const QMargins m = window->windowHandle()->frameMargins();
        frame = QMargins(std::max(frame.left(), m.left()), std::max(frame.top(), m.top()),
                         std::max(frame.right(), m.right()), std::max(frame.bottom(), m.bottom()));
    }
    return frame;
}

class DialogScreenFitter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The show event comes before the dialog centres itself, so the
        // dialog is placed with the size it is given here.
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!widget->isWindow())
            return false;
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (!dialog || dialog->property(FittedProperty).toBool())
            return false;
        dialog->setProperty(FittedProperty, true);
        QScreen* screen = screenOf(dialog);
        if (screen)
            fitDialogToArea(dialog, screen->availableGeometry(), expectedFrame());
        return false;
    }
};

} // namespace

void fitDialogsToScreen()
{
    static QPointer<DialogScreenFitter> installed;
    if (installed || !qApp)
        return;
    installed = new DialogScreenFitter(qApp);
    qApp->installEventFilter(installed);
}

bool fitDialogToArea(QDialog* dialog, const QRect& area, const QMargins& frame)
{
    if (qobject_cast<QMessageBox*>(dialog))
        return false;
    const QSize room(area.width() - frame.left() - frame.right(),
                     area.height() - frame.top() - frame.bottom());
    if (room.width() <= 0 || room.height() <= 0)
        return false;
    const QSize size = dialog->size();
    if (size.width() <= room.width() && size.height() <= room.height())
        return false;

    const QSize needed = contentsMinimum(dialog);
    QSize target = size.boundedTo(room);
    const bool scrolls = needed.width() > room.width() || needed.height() > room.height();
    if (scrolls) {
        wrapInScrollArea(dialog);
        // A zero minimum gives the minimum back to the new layout.
        dialog->setMinimumSize(0, 0);
        // Room for the scroll bar that now appears, where the screen has it.
        const int bar = dialog->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        if (needed.height() > room.height())
            target.setWidth(std::min(room.width(), target.width() + bar));
        if (needed.width() > room.width())
            target.setHeight(std::min(room.height(), target.height() + bar));
    }
    // A form that fixed its size can be resized now that it had to change.
    if (QLayout* layout = dialog->layout())
        if (layout->sizeConstraint() == QLayout::SetFixedSize)
            layout->setSizeConstraint(QLayout::SetDefaultConstraint);
    dialog->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The form's own minimum may ask for more than the screen has; its
    // contents fit in less.
    const QSize minimum = dialog->minimumSize();
    if (!scrolls && minimum.boundedTo(target) != minimum)
        dialog->setMinimumSize(minimum.boundedTo(target));
    dialog->resize(target);

    // A dialog placed by its caller is moved only as far as the screen needs;
    // any other is centred by QDialog itself with its new size.
    if (dialog->testAttribute(Qt::WA_Moved)) {
        // A window's position is that of its frame.
        const int x =
            std::clamp(dialog->x(), area.left(), area.left() + room.width() - target.width());
        const int y =
            std::clamp(dialog->y(), area.top(), area.top() + room.height() - target.height());
        dialog->move(x, y);
    }
    return true;
}

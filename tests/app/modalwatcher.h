#pragma once
// Answers modal dialogs for a test: armed before the action that opens one,
// it polls for QApplication::activeModalWidget() and hands each new modal
// widget once to the answer function, which must close it.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class ModalWatcher
{
public:
    explicit ModalWatcher(std::function<void(QWidget*)> answer) : answer(std::move(answer))
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] { poll(); });
        timer.start();
    }

    int count() const { return int(modals.size()); }
    std::vector<QString> titles;
    std::vector<QString> classNames;

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || (!modals.empty() && modals.back() == modal))
            return;
        modals.emplace_back(modal);
        titles.push_back(modal->windowTitle());
        classNames.push_back(QString::fromLatin1(modal->metaObject()->className()));
        answer(modal);
    }

    std::function<void(QWidget*)> answer;
    std::vector<QPointer<QWidget>> modals;
    QTimer timer;
};

#pragma once
// Shared by the geometry widget tests: answers to the dialogs' questions,
// handlers for modal dialogs, and comparisons of survey records.

#include "geometryprompts.h"
#include "records.h"
#include "unaskedprompts.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Canned answers instead of file dialogs, the delimiter dialog and message boxes.
struct FakePrompts : UnaskedPrompts<GeometryPrompts> {
    struct FileQuestion {
        QString title, folder, filter;
    };
    QString openName;
    QString saveName;
    std::string delimiter = ";";
    bool delimiterAccepted = true;
    std::vector<FileQuestion> fileQuestions;
    std::vector<std::pair<QString, QString>> errors; // text, informative text

    QString openFileName(QWidget*, const QString& title, const QString& folder,
                         const QString& filter, QString*) override
    {
        fileQuestions.push_back({title, folder, filter});
        return openName;
    }
    QString saveFileName(QWidget*, const QString& title, const QString& folder,
                         const QString& filter, const QString&) override
    {
        fileQuestions.push_back({title, folder, filter});
        return saveName;
    }
    bool chooseDelimiter(std::string& chosen) override
    {
        chosen = delimiter;
        return delimiterAccepted;
    }
    QMessageBox::StandardButton message(QWidget*, const PromptMessage& m) override
    {
        errors.emplace_back(m.text, m.informativeText);
        return QMessageBox::Ok;
    }
};

// Arms a handler for the next modal dialog of type Dialog: it runs once the
// dialog's exec() is showing it, and must close it.
template <typename Dialog> void whenModal(std::function<void(Dialog*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(0);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, action] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        } else if (++*tries > 1000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal " << Dialog::staticMetaObject.className() << " appeared";
        }
    });
    timer->start();
}

// The widgets of a type below parent, in creation order.
template <typename T> std::vector<T*> childrenOf(const QObject& parent)
{
    const QList<T*> found = parent.findChildren<T*>();
    return {found.begin(), found.end()};
}

inline bool operator==(const Point2D& a, const Point2D& b)
{
    return a.x == b.x && a.z == b.z;
}

inline bool operator==(const TravelTime& a, const TravelTime& b)
{
    return a.indexStesa == b.indexStesa && a.traceSetID == b.traceSetID &&
           a.shotPos2d == b.shotPos2d && a.ttMisurati == b.ttMisurati &&
           a.ttCalcolati == b.ttCalcolati;
}

inline bool operator==(const TraceSet& a, const TraceSet& b)
{
    auto sameTrace = [](const Trace& s, const Trace& t) {
        return s.kind == t.kind && s.samples == t.samples && s.samplesDX == t.samplesDX &&
               s.samplesSX == t.samplesSX && s.filtered == t.filtered;
    };
    if (a.traces.size() != b.traces.size())
        return false;
    for (size_t i = 0; i < a.traces.size(); ++i)
        if (!sameTrace(a.traces[i], b.traces[i]))
            return false;
    return a.fileName == b.fileName && a.fileNameDX == b.fileNameDX &&
           a.fileNameSX == b.fileNameSX && a.hasFiltered == b.hasFiltered &&
           a.useFiltered == b.useFiltered;
}

inline std::ostream& operator<<(std::ostream& out, const Point2D& p)
{
    return out << "(" << p.x << ", " << p.z << ")";
}

#include <QColor>
inline void PrintTo(const QColor& colour, std::ostream* out)
{
    *out << colour.name(QColor::HexArgb).toStdString();
}

inline std::ostream& operator<<(std::ostream& out, const QString& text)
{
    return out << text.toStdString();
}

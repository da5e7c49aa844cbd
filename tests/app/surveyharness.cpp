#include "surveyharness.h"

#include "tervanelo_mainwindows.h"
#include "testenv.h"
#include "ui_tervanelo_mainwindows.h"

#include "draw_all_traces_widget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace commandtest
{

std::string fixturePath(const std::string& relative)
{
    return testenv::fixture("survey/" + relative);
}

QString threeShotFolder()
{
    return QString::fromStdString(fixturePath("three"));
}

QString fiveShotFolder()
{
    return QString::fromStdString(testenv::fixture("seismic"));
}

QString fiveShotTravelTimes()
{
    return "two_layer.otte";
}

QStringList threeShotFiles()
{
    return {"a.sg2", "b.sg2", "c.sg2"};
}

QStringList fiveShotFiles()
{
    return {"two_layer_s1.sg2", "two_layer_s2.sg2", "two_layer_s3.sg2", "two_layer_s4.sg2",
            "two_layer_s5.sg2"};
}

double firstBreak(double offset)
{
    const double v1 = 500.0, v2 = 2000.0, h = 5.0;
    const double x = std::fabs(offset);
    return std::min(x / v1, x / v2 + 2.0 * h * std::cos(std::asin(v1 / v2)) / v1);
}

DialogScript::DialogScript(std::vector<Step> steps, int watchdogSeconds)
    : steps(std::move(steps)), timer(std::make_unique<QTimer>()),
      watchdog(std::make_unique<QTimer>())
{
    timer->setInterval(30);
    QObject::connect(timer.get(), &QTimer::timeout, [this] { poll(); });
    timer->start();
    watchdog->setSingleShot(true);
    watchdog->setInterval(watchdogSeconds * 1000);
    QObject::connect(watchdog.get(), &QTimer::timeout, [this] {
        ADD_FAILURE() << "watchdog: dialogs still open after the script's time";
        for (int i = 0; i < 20; ++i)
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        timer->stop();
    });
    watchdog->start();
}

DialogScript::~DialogScript() = default;

void DialogScript::expectDone()
{
    timer->stop();
    watchdog->stop();
    EXPECT_EQ(next, steps.size()) << "dialogs answered";
    EXPECT_TRUE(unexpected.empty()) << "unexpected dialog " << unexpected.front().toStdString();
}

void DialogScript::poll()
{
    seen.erase(std::remove_if(seen.begin(), seen.end(),
                              [](const QPointer<QWidget>& w) { return !w || !w->isVisible(); }),
               seen.end());
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
        active = pending = nullptr;
        return;
    }
    const bool known = std::find(seen.begin(), seen.end(), modal) != seen.end();
    if (known && modal == active)
        return;
    if (known && modal != pending) {
        pending = modal;
        return;
    }
    pending = nullptr;
    active = modal;
    if (!known)
        seen.emplace_back(modal);
    const QString className = QString::fromLatin1(modal->metaObject()->className());
    const QString title = modal->windowTitle();
    if (next < steps.size() && className == QLatin1String(steps[next].className) &&
        (!steps[next].title || title == QString::fromUtf8(steps[next].title))) {
        Answer answer = steps[next++].answer;
        QPointer<QWidget> target(modal);
        QTimer::singleShot(0, [answer, target] {
            if (target)
                answer(target);
        });
        return;
    }
    // Dialogs that close by themselves: the inversion's progress and the
    // log of a save or an open.
    if (className == QLatin1String("ProgressTomography_Dialog") ||
        className == QLatin1String("SaveProjectLogDialog"))
        return;
    unexpected.push_back(className + " \"" + title + "\"");
    ADD_FAILURE() << "unexpected dialog " << unexpected.back().toStdString();
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        QTimer::singleShot(0, dialog, &QDialog::reject);
    else
        modal->close();
}

DialogScript::Answer chooseFiles(const QString& folder, const QStringList& names)
{
    return [folder, names](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_TRUE(dialog);
        dialog->setDirectory(folder);
        QString typed;
        for (const QString& name : names)
            typed += (names.size() > 1 ? "\"" + name + "\" " : name);
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_TRUE(edit);
        edit->setText(typed.trimmed());
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept, protected there
    };
}

DialogScript::Answer saveAs(const QString& path)
{
    return [path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_TRUE(dialog);
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_TRUE(edit);
        edit->setText(path);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept, protected there
    };
}

DialogScript::Answer rejectDialog()
{
    return [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); };
}

DialogScript::Answer acceptDialog()
{
    return [](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); };
}

DialogScript::Answer pressButton(QMessageBox::StandardButton button, MessageSeen* seen)
{
    return [button, seen](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_TRUE(box);
        if (seen)
            *seen = {box->windowTitle(), box->text(), box->informativeText()};
        QAbstractButton* b = box->button(button);
        ASSERT_TRUE(b) << "the box has no such button";
        b->click();
    };
}

namespace
{
void clickOk(QWidget* dialog)
{
    auto* box = dialog->findChild<QDialogButtonBox*>("buttonBox");
    ASSERT_TRUE(box);
    box->button(QDialogButtonBox::Ok)->click();
}
} // namespace

DialogScript::Answer pressOk()
{
    return [](QWidget* w) { clickOk(w); };
}

DialogScript::Answer gridSettings(double cellSize, double depth, int nodes)
{
    return [=](QWidget* w) {
        auto* cell = w->findChild<QDoubleSpinBox*>("celSize_edit");
        auto* maxDepth = w->findChild<QDoubleSpinBox*>("maxProf_edit");
        auto* nodeCount = w->findChild<QSpinBox*>("numNode_edit");
        ASSERT_TRUE(cell && maxDepth && nodeCount);
        cell->setValue(cellSize);
        maxDepth->setValue(depth);
        nodeCount->setValue(nodes);
        clickOk(w);
    };
}

DialogScript::Answer runSettings(int externalIterations, int smoothing)
{
    return [=](QWidget* w) {
        auto* iterations = w->findChild<QSpinBox*>("extIter_edit");
        auto* smoothingEdit = w->findChild<QSpinBox*>("smooth_Edit");
        ASSERT_TRUE(iterations && smoothingEdit);
        iterations->setValue(externalIterations);
        if (smoothing > 0)
            smoothingEdit->setValue(smoothing);
        clickOk(w);
    };
}

DialogScript::Step openShotsStep(const QString& folder, const QStringList& names)
{
    return {"QFileDialog", "Open Seismic Trace", chooseFiles(folder, names)};
}

DialogScript::Step geometryOkStep()
{
    return {"DialogSetGeometry", nullptr, acceptDialog()};
}

DialogScript::Step gridStep(double cellSize, double depth, int nodes)
{
    return {"gridDialog", "Grid Settings", gridSettings(cellSize, depth, nodes)};
}

void loadShots(Tervanelo_MainWindows& w, const QString& folder, const QStringList& names,
               double cellSize, double depth, int nodes)
{
    DialogScript script(
        {openShotsStep(folder, names), geometryOkStep(), gridStep(cellSize, depth, nodes)});
    ASSERT_TRUE(w.ui->actionNew->isEnabled());
    w.ui->actionNew->trigger();
    script.expectDone();
}

std::unique_ptr<Tervanelo_MainWindows> startSurveyWindow(const windowtest::FreshHome& home,
                                                         bool showAllTraces)
{
    windowtest::writeCurrentSettings(home, "en", showAllTraces, false);
    windowtest::Started started = windowtest::startWindow();
    EXPECT_TRUE(started.dialogClasses.empty()) << "no first-run dialog with a settings file";
    started.window->resize(1200, 800);
    started.window->show();
    return std::move(started.window);
}

MessageSeen runInversion(Tervanelo_MainWindows& w, int externalIterations, int smoothing)
{
    MessageSeen results;
    DialogScript script(
        {{"runTomography_Dialog", "Tomography Settings",
          runSettings(externalIterations, smoothing)},
         {"QMessageBox", "Inversion results", pressButton(QMessageBox::Ok, &results)}});
    EXPECT_TRUE(w.ui->actionRun_tomography_inversion->isEnabled());
    w.ui->actionRun_tomography_inversion->trigger();
    script.expectDone();
    return results;
}

int panelCount(Tervanelo_MainWindows& w)
{
    int n = 0;
    try {
        for (;; ++n)
            w.ui->showTracesWidget->traceWidgetAt(unsigned(n));
    } catch (const std::out_of_range&) {
    }
    return n;
}

void pickTrueFirstBreaks(Tervanelo_MainWindows& w)
{
    for (TravelTime& record : w.document.ttArray) {
        const std::vector<Point2D>& spread = w.document.spreadAt(record.indexStesa);
        for (size_t j = 0; j < spread.size(); ++j)
            record.ttMisurati.at(j) = firstBreak(spread[j].x - record.shotPos2d.x);
    }
}

std::pair<double, double> lineValues(const QString& text, const QString& name)
{
    for (const QString& line : text.split('\n'))
        if (line.startsWith(name)) {
            const QStringList parts = line.mid(name.size()).split("; [%] ");
            return {parts.value(0).toDouble(), parts.value(1).toDouble()};
        }
    ADD_FAILURE() << "no line " << name.toStdString() << " in " << text.toStdString();
    return {0, 0};
}

bool sameTo6Digits(double a, double b)
{
    return std::fabs(a - b) <= 5e-6 * std::max(std::fabs(a), std::fabs(b)) + 1e-12;
}

} // namespace commandtest

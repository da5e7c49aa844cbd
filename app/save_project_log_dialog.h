#pragma once
// The progress log of a project save or open. The writer or reader runs on a
// worker thread; its signals reach the slots queued. The thread's entry
// function closes the dialog when the worker returns, by whatever path, so
// the dialog never waits for a signal that cannot come.

#include <QDialog>
#include <QString>

class ProjectWriter;
class projectReader;

namespace Ui
{
class SaveProjectLogDialog;
}

class SaveProjectLogDialog : public QDialog
{
    Q_OBJECT

public:
    SaveProjectLogDialog(ProjectWriter* writer, QWidget* parent = nullptr);
    SaveProjectLogDialog(projectReader* reader, QWidget* parent = nullptr);
    ~SaveProjectLogDialog() override;

    // The lines shown so far, one per paragraph.
    QString logText() const;

public slots:
    void write_saved_xml();
    void write_saved_grid();
    void write_saved_traces();
    void write_saved_palettes();
    void write_saved_compressed();
    void close_dialog();
    void write_loaded_compressed();
    void write_loaded_xml();
    void write_loaded_grid();
    void write_loaded_traces();
    void write_loaded_palettes();

private:
    void append(const QString& first, const QString& second = QString());
    // A failed step's line: which file or step did not make it.
    void appendFailure(const QString& step);

    Ui::SaveProjectLogDialog* ui;
    ProjectWriter* writer = nullptr;
    projectReader* reader = nullptr;
};

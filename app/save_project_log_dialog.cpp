#include "save_project_log_dialog.h"
#include "ui_save_project_log_dialog.h"

#include "load_project.h"
#include "save_project.h"

SaveProjectLogDialog::SaveProjectLogDialog(ProjectWriter* writer, QWidget* parent)
    : QDialog(parent), ui(new Ui::SaveProjectLogDialog), writer(writer)
{
    ui->setupUi(this);
    connect(writer, &ProjectWriter::saved_tomo_xml, this, &SaveProjectLogDialog::write_saved_xml);
    connect(writer, &ProjectWriter::saved_traces, this, &SaveProjectLogDialog::write_saved_traces);
    connect(writer, &ProjectWriter::saved_grid, this, &SaveProjectLogDialog::write_saved_grid);
    connect(writer, &ProjectWriter::saved_palettes, this,
            &SaveProjectLogDialog::write_saved_palettes);
    connect(writer, &ProjectWriter::saved_compressed, this,
            &SaveProjectLogDialog::write_saved_compressed);
    connect(writer, &ProjectWriter::saved_completed, this, &SaveProjectLogDialog::close_dialog);
    connect(writer, &ProjectWriter::error_saved_tomo_xml, this,
            [this] { appendFailure(tr("tomodoc.xml")); });
    connect(writer, &ProjectWriter::error_saved_grid, this,
            [this] { appendFailure(tr("grid.xml")); });
    connect(writer, &ProjectWriter::error_saved_traces, this,
            [this] { appendFailure(tr("traces.xml")); });
    connect(writer, &ProjectWriter::error_saved_palettes, this,
            [this] { appendFailure(tr("palettes.xml")); });
    connect(writer, &ProjectWriter::error_saved_refraction, this,
            [this] { appendFailure(tr("refraction.xml")); });
    connect(writer, &ProjectWriter::error_saved_compressed, this,
            [this] { appendFailure(tr("the project file")); });
}

SaveProjectLogDialog::SaveProjectLogDialog(projectReader* reader, QWidget* parent)
    : QDialog(parent), ui(new Ui::SaveProjectLogDialog), reader(reader)
{
    ui->setupUi(this);
    connect(reader, &projectReader::read_tomo_xml, this, &SaveProjectLogDialog::write_loaded_xml);
    connect(reader, &projectReader::read_traces, this, &SaveProjectLogDialog::write_loaded_traces);
    connect(reader, &projectReader::read_grid, this, &SaveProjectLogDialog::write_loaded_grid);
    connect(reader, &projectReader::read_palettes, this,
            &SaveProjectLogDialog::write_loaded_palettes);
    connect(reader, &projectReader::read_compressed, this,
            &SaveProjectLogDialog::write_loaded_compressed);
    connect(reader, &projectReader::error_read_compressed, this,
            [this] { appendFailure(tr("the project file")); });
    connect(reader, &projectReader::error_read_tomo_xml, this,
            [this] { appendFailure(tr("tomodoc.xml")); });
    connect(reader, &projectReader::error_read_grid, this,
            [this] { appendFailure(tr("grid.xml")); });
    connect(reader, &projectReader::error_read_traces, this,
            [this] { appendFailure(tr("traces.xml")); });
    connect(reader, &projectReader::error_read_palettes, this,
            [this] { appendFailure(tr("palettes.xml")); });
}

SaveProjectLogDialog::~SaveProjectLogDialog()
{
    delete ui;
}

QString SaveProjectLogDialog::logText() const
{
    return ui->log_text->toPlainText();
}

void SaveProjectLogDialog::append(const QString& first, const QString& second)
{
    ui->log_text->append(first);
    if (!second.isNull())
        ui->log_text->append(second);
}

void SaveProjectLogDialog::appendFailure(const QString& step)
{
    ui->log_text->append(tr("FAILED: %1").arg(step));
}

void SaveProjectLogDialog::write_saved_xml()
{
    append(tr("SAVED XML"), tr("Saving grid..."));
}

void SaveProjectLogDialog::write_saved_grid()
{
    append(tr("SAVED GRID"), tr("Saving traces..."));
}

void SaveProjectLogDialog::write_saved_traces()
{
    append(tr("SAVED TRACES"), tr("Saving palettes..."));
}

void SaveProjectLogDialog::write_saved_palettes()
{
    append(tr("SAVED PALETTES"), tr("Compressing..."));
}

void SaveProjectLogDialog::write_saved_compressed()
{
    append(tr("COMPRESSED"), tr("Removing temporary files..."));
}

void SaveProjectLogDialog::close_dialog()
{
    append(tr("COMPLETED"));
    accept();
}

void SaveProjectLogDialog::write_loaded_compressed()
{
    append(tr("Extracted"), tr("Loading XML"));
}

void SaveProjectLogDialog::write_loaded_xml()
{
    append(tr("Loaded XML"), tr("Loading grid..."));
}

void SaveProjectLogDialog::write_loaded_grid()
{
    append(tr("Loaded GRID"), tr("Loading traces..."));
}

void SaveProjectLogDialog::write_loaded_traces()
{
    append(tr("Loaded TRACES"), tr("Loading palettes..."));
}

void SaveProjectLogDialog::write_loaded_palettes()
{
    append(tr("Loaded PALETTES"), QStringLiteral(""));
    accept();
}

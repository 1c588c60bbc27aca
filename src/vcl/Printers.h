// The printer object: the system printer (or, with none installed, a PDF writer) as a device whose
// capabilities can be read, and a print job with a canvas, sheet breaks and a title.
#pragma once

#include "Canvas.h"
#include "SysUtils.h"

#include <QPainter>
#include <memory>
#include <optional>

class QPrinter;
class QPaintDevice;

class EPrinter : public Exception
{
    using Exception::Exception;
};

// Device capabilities as the drawing code asks for them.
enum : int { HORZSIZE = 4, VERTSIZE = 6, HORZRES = 8, VERTRES = 10, LOGPIXELSX = 88, LOGPIXELSY = 90 };
// HORZSIZE/VERTSIZE: the drawable area in whole millimetres; HORZRES/VERTRES: in pixels; LOGPIXELS: dots per inch.
int GetDeviceCaps(QPaintDevice *DC, int Index);

class TPrinter
{
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter &) = delete;
    TPrinter &operator=(const TPrinter &) = delete;

    // The Qt printer behind the object (the current system printer, or a PDF writer when none is installed).
    QPrinter *QtPrinter();
    // The printer as a device to measure and record against; raises EPrinter when it is not usable.
    QPaintDevice *Handle();
    // The job's canvas, drawn on between BeginDoc and EndDoc.
    TCanvas *Canvas() { return &FCanvas; }
    QString Title() const { return FTitle; }
    void SetTitle(const QString &v) { FTitle = v; }
    bool Printing() const { return FPrinting; }
    int PageNumber() const { return FPageNumber; }
    // The file that jobs are written to in place of a printer, as set up; empty when they go to a printer.
    QString OutputFileName();

    // Where jobs go as the user set it up: a printer by its name, or a file (and then no printer's name).
    struct TChoice {
        QString PrinterName;
        QString FileName;
        bool operator==(const TChoice &) const = default;
    };
    TChoice Choice();
    // Sets up again what was chosen before: the file, or the printer of that name while the system has it
    // (else the system's default stays). Taken when the Qt printer is made, which asks the system for its
    // printers, or at once when it is made already.
    void SetChoice(const TChoice &Value);

    // Starts the job; with JobFile, the job is written there in place of the set-up file, which stays set up
    // for the next job. Raises EPrinter when the printer cannot start one, when a job is running, or when
    // there is neither a printer nor a file to print to (the message says where to set one up).
    void BeginDoc(const QString &JobFile = QString());
    // Ends the sheet and starts the next.
    void NewPage();
    // Sends the job.
    void EndDoc();
    // Drops the job.
    void Abort();

private:
    // Gives the Qt printer back the set-up file after a job that wrote elsewhere.
    void RestoreOutputFile();

    void ApplyChoice(const TChoice &Value);

    std::unique_ptr<QPrinter> FPrinter;
    // A choice waiting for the Qt printer to be made.
    std::optional<TChoice> FPendingChoice;
    // The set-up file while a job writes to a file of its own.
    std::optional<QString> FSetUpFile;
    QPainter FPainter;
    TCanvas FCanvas;
    QString FTitle;
    bool FPrinting = false;
    int FPageNumber = 0;
};

// The process-wide printer object.
TPrinter *Printer();

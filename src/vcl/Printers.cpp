#include "Printers.h"

#include <QPaintDevice>
#include <QPrinter>
#include <QPrinterInfo>

#include <utility>

int GetDeviceCaps(QPaintDevice *DC, int Index)
{
    if (!DC)
        return 0;
    switch (Index) {
    case HORZSIZE:
        return DC->widthMM();
    case VERTSIZE:
        return DC->heightMM();
    case HORZRES:
        return DC->width();
    case VERTRES:
        return DC->height();
    case LOGPIXELSX:
        return DC->logicalDpiX();
    case LOGPIXELSY:
        return DC->logicalDpiY();
    default:
        return 0;
    }
}

TPrinter::TPrinter() = default;

TPrinter::~TPrinter()
{
    if (FPainter.isActive())
        FPainter.end();
}

QPrinter *TPrinter::QtPrinter()
{
    if (!FPrinter) {
        FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (FPendingChoice)
            ApplyChoice(*std::exchange(FPendingChoice, std::nullopt));
    }
    return FPrinter.get();
}

TPrinter::TChoice TPrinter::Choice()
{
    if (!FPrinter && FPendingChoice)
        return *FPendingChoice;
    QPrinter *p = QtPrinter();
    // While a job writes a file of its own, the set-up file is the one kept aside.
    const QString file = FSetUpFile ? *FSetUpFile : p->outputFileName();
    if (!file.isEmpty())
        return {QString(), file};
    if (p->outputFormat() == QPrinter::NativeFormat)
        return {p->printerName(), QString()};
    return {};
}

void TPrinter::SetChoice(const TChoice &Value)
{
    if (FPrinter)
        ApplyChoice(Value);
    else
        FPendingChoice = Value;
}

void TPrinter::ApplyChoice(const TChoice &Value)
{
    if (FPrinting)
        return;
    if (!Value.FileName.isEmpty()) {
        // Printouts to a file are PDF, whatever the name ends in.
        FPrinter->setOutputFormat(QPrinter::PdfFormat);
        FPrinter->setOutputFileName(Value.FileName);
    } else if (!Value.PrinterName.isEmpty() && QPrinterInfo::availablePrinterNames().contains(Value.PrinterName)) {
        FPrinter->setOutputFileName(QString());
        FPrinter->setPrinterName(Value.PrinterName);
    }
}

QPaintDevice *TPrinter::Handle()
{
    QPrinter *p = QtPrinter();
    if (!p->isValid() || p->width() <= 0 || p->height() <= 0)
        throw EPrinter(QStringLiteral("Δεν υπάρχει διαθέσιμος εκτυπωτής"));
    return p;
}

QString TPrinter::OutputFileName()
{
    return QtPrinter()->outputFileName();
}

void TPrinter::BeginDoc(const QString &JobFile)
{
    if (FPrinting)
        throw EPrinter(QStringLiteral("Εκτύπωση σε εξέλιξη"));
    QPrinter *p = static_cast<QPrinter *>(Handle());
    // Without a printer installed, Qt writes PDF, and it needs a file to write to.
    if (p->outputFormat() == QPrinter::PdfFormat && p->outputFileName().isEmpty())
        throw EPrinter(QStringLiteral("Δεν έχει οριστεί εκτυπωτής ούτε αρχείο για την εκτύπωση. Ορίστε έναν "
                                      "εκτυπωτή ή ένα αρχείο από «Αρχείο» > «Ρύθμιση εκτυπωτή...»"));
    p->setDocName(FTitle);
    if (!JobFile.isEmpty()) {
        FSetUpFile = p->outputFileName();
        p->setOutputFileName(JobFile);
    }
    if (!FPainter.begin(p)) {
        RestoreOutputFile();
        // A Qt printer that failed to start stays in its error state; the next job gets a fresh one with
        // the same settings.
        auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
        fresh->setOutputFormat(p->outputFormat());
        if (p->outputFormat() == QPrinter::NativeFormat)
            fresh->setPrinterName(p->printerName());
        fresh->setOutputFileName(p->outputFileName());
        fresh->setPageLayout(p->pageLayout());
        FPrinter = std::move(fresh);
        throw EPrinter(QStringLiteral("Αδυναμία έναρξης εκτύπωσης"));
    }
    FCanvas.SetPainter(&FPainter);
    FPrinting = true;
    FPageNumber = 1;
}

void TPrinter::RestoreOutputFile()
{
    if (FSetUpFile && FPrinter)
        FPrinter->setOutputFileName(*FSetUpFile);
    FSetUpFile.reset();
}

void TPrinter::NewPage()
{
    if (!FPrinting)
        throw EPrinter(QStringLiteral("Δεν εκτελείται εκτύπωση"));
    FPrinter->newPage();
    ++FPageNumber;
}

void TPrinter::EndDoc()
{
    if (!FPrinting)
        throw EPrinter(QStringLiteral("Δεν εκτελείται εκτύπωση"));
    FCanvas.SetPainter(nullptr);
    FPainter.end();
    FPrinting = false;
    RestoreOutputFile();
}

void TPrinter::Abort()
{
    if (!FPrinting)
        return;
    FPrinter->abort();
    FCanvas.SetPainter(nullptr);
    FPainter.end();
    FPrinting = false;
    RestoreOutputFile();
}

TPrinter *Printer()
{
    // Never freed: the printer lives as long as the program, and a Qt printer must not outlive the
    // application object at static destruction.
    static TPrinter *printer = new TPrinter;
    return printer;
}

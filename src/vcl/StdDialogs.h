// The common dialogs: open and save a file, choose a font, choose a colour, page set-up and printer set-up.
// Each one's Execute goes to the installed handler when there is one (tests); on a platform without a screen
// and without handler it answers Cancel.
#pragma once

#include "Classes.h"
#include "Graphics.h"

#include <QPageLayout>
#include <functional>

class QFileDialog;

// The open-file dialog. Filter is "Text|*.txt|All|*"; FilterIndex counts its pairs from 1 and tells, after
// Execute, which one the user chose.
class TOpenDialog : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(QString InitialDir READ InitialDir WRITE SetInitialDir)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
    Q_PROPERTY(int FilterIndex READ FilterIndex WRITE SetFilterIndex)
    Q_PROPERTY(QString DefaultExt READ DefaultExt WRITE SetDefaultExt)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_CLASSINFO("Default:FilterIndex", "1")

public:
    Q_INVOKABLE explicit TOpenDialog(TComponent *AOwner);
    QString InitialDir() const { return FInitialDir; }
    void SetInitialDir(const QString &v) { FInitialDir = v; }
    QString FileName() const { return FFileName; }
    void SetFileName(const QString &v) { FFileName = v; }
    QString Filter() const { return FFilter; }
    void SetFilter(const QString &v) { FFilter = v; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int v) { FFilterIndex = v; }
    QString DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const QString &v) { FDefaultExt = v; }
    QString Title() const { return FTitle; }
    void SetTitle(const QString &v) { FTitle = v; }
    // True when the user chose a file (now in FileName): an existing one to open, or a name to save under.
    virtual bool Execute();
    // The file the platform dialog shows selected at first (a full path takes the dialog to its folder).
    virtual QString InitialSelection() const;

protected:
    // What sets the save dialog apart from this one.
    // The platform dialog's mode and default suffix.
    virtual void SetUpDialog(QFileDialog &Dialog) const;
    // FileName as it is kept from the platform dialog's chosen path.
    virtual QString ChosenFileName(const QString &Path) const;

private:
    QString FInitialDir, FFileName, FFilter, FDefaultExt, FTitle;
    int FFilterIndex = 1;
};

// The save-file dialog: asks for a name to save under, confirming before an existing file is overwritten.
// FileName comes back with the platform's separators.
class TSaveDialog : public TOpenDialog
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TSaveDialog(TComponent *AOwner);
    // A FileName with a folder starts in that folder; a bare name starts in InitialDir.
    QString InitialSelection() const override;

protected:
    void SetUpDialog(QFileDialog &Dialog) const override;
    QString ChosenFileName(const QString &Path) const override;
};

// "Text|*.txt|All|*" as Qt's file dialogs want it: "Text (*.txt);;All (*)".
QStringList FileDialogFilters(const QString &Filter);

class QFontDialog;
// Puts Greek where Qt's font dialog shows English whatever the translation: the fonts' style names (in the
// list, and in the box above it that shows the choice), which stay the fonts' own for finding the font,
// and the Latin sample text. TFontDialog shows its dialog so.
void ShowFontDialogInGreek(QFontDialog &Dialog);

class TFontDialog : public TComponent
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TFontDialog(TComponent *AOwner);
    ~TFontDialog() override;
    // The font shown first and, after a confirmed Execute, the one chosen.
    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *v) { FFont->Assign(v); }
    virtual bool Execute();
    // The font the dialog opens on: Font, with the name of its style as the installed font calls it.
    QFont StartFont() const;

private:
    std::unique_ptr<TFont> FFont;
};

class TColorDialog : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(Graphics::TColor Color READ Color WRITE SetColor)
public:
    Q_INVOKABLE explicit TColorDialog(TComponent *AOwner);
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { FColor = v; }
    virtual bool Execute();

private:
    TColor FColor = clBlack;
};

class QPrintDialog;

// The page set-up dialog of the shared printer: paper, orientation and margins, in hundredths of a
// millimetre. The dialog shows its own values first and keeps what the user confirms; the paper and its
// orientation go to the printer, the margins stay the dialog's (printouts place themselves on the page
// and keep the printer's printable area).
class TPageSetupDialog : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(int MarginLeft MEMBER FMarginLeft)
    Q_PROPERTY(int MarginTop MEMBER FMarginTop)
    Q_PROPERTY(int MarginRight MEMBER FMarginRight)
    Q_PROPERTY(int MarginBottom MEMBER FMarginBottom)
    Q_PROPERTY(int MinMarginLeft MEMBER FMinMarginLeft)
    Q_PROPERTY(int MinMarginTop MEMBER FMinMarginTop)
    Q_PROPERTY(int MinMarginRight MEMBER FMinMarginRight)
    Q_PROPERTY(int MinMarginBottom MEMBER FMinMarginBottom)
    Q_PROPERTY(int PageWidth MEMBER FPageWidth)
    Q_PROPERTY(int PageHeight MEMBER FPageHeight)

public:
    Q_INVOKABLE explicit TPageSetupDialog(TComponent *AOwner);
    virtual bool Execute();
    int MarginLeft() const { return FMarginLeft; }
    int MarginTop() const { return FMarginTop; }
    int MarginRight() const { return FMarginRight; }
    int MarginBottom() const { return FMarginBottom; }
    int PageWidth() const { return FPageWidth; }
    int PageHeight() const { return FPageHeight; }
    // The page layout the dialog starts from; a page size of 0 keeps the printer's paper.
    QPageLayout PresetLayout(const QPageLayout &PrinterLayout) const;
    // Takes the confirmed layout and gives the printer its paper, keeping the printer's margins.
    void Accept(const QPageLayout &Chosen, const QPageLayout &PrinterLayout);

private:
    int FMarginLeft = 0, FMarginTop = 0, FMarginRight = 0, FMarginBottom = 0;
    int FMinMarginLeft = 0, FMinMarginTop = 0, FMinMarginRight = 0, FMinMarginBottom = 0;
    int FPageWidth = 0, FPageHeight = 0;
};

// The printer set-up dialog: the user chooses the printer and its properties; nothing is printed.
class TPrinterSetupDialog : public TComponent
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TPrinterSetupDialog(TComponent *AOwner);
    virtual bool Execute();
    // Turns the system print dialog into the set-up dialog: its title, an OK button in place of Print, and
    // no page range or copies.
    static void SetUp(QPrintDialog &Dialog);
};

// Answers these dialogs (file dialogs included) in place of the user: returns true to confirm, after setting
// the dialog's result (a file dialog's FileName).
using TCommonDialogHandler = std::function<bool(TComponent *Dialog)>;
// Installs a handler (an empty one restores the real dialogs); returns the previous one.
TCommonDialogHandler SetCommonDialogHandler(TCommonDialogHandler Handler);

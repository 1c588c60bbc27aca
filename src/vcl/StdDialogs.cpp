#include "StdDialogs.h"

#include "Forms.h"
#include "Printers.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace
{
TCommonDialogHandler &Handler()
{
    static TCommonDialogHandler handler;
    return handler;
}

bool Headless()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}
} // namespace

TCommonDialogHandler SetCommonDialogHandler(TCommonDialogHandler Handler_)
{
    TCommonDialogHandler previous = std::move(Handler());
    Handler() = std::move(Handler_);
    return previous;
}

QStringList FileDialogFilters(const QString &Filter)
{
    QStringList pairs;
    const QStringList parts = Filter.split(u'|');
    for (int i = 0; i + 1 < parts.size(); i += 2)
        pairs << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(u';', u' '));
    return pairs;
}

// ---- TOpenDialog, TSaveDialog ----

TOpenDialog::TOpenDialog(TComponent *AOwner) : TComponent(AOwner)
{
}

bool TOpenDialog::Execute()
{
    if (Handler())
        return Handler()(this);
    if (Headless())
        return false;
    const QStringList filters = FileDialogFilters(FFilter);
    QFileDialog dialog(nullptr, FTitle, FInitialDir, filters.join(QStringLiteral(";;")));
    PlaceDialog(&dialog, this);
    SetUpDialog(dialog);
    if (FFilterIndex >= 1 && FFilterIndex <= filters.size())
        dialog.selectNameFilter(filters[FFilterIndex - 1]);
    if (!FFileName.isEmpty())
        dialog.selectFile(InitialSelection());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FFileName = ChosenFileName(dialog.selectedFiles().first());
    const int chosen = int(filters.indexOf(dialog.selectedNameFilter()));
    if (chosen >= 0)
        FFilterIndex = chosen + 1;
    return true;
}

void TOpenDialog::SetUpDialog(QFileDialog &Dialog) const
{
    Dialog.setAcceptMode(QFileDialog::AcceptOpen);
    Dialog.setFileMode(QFileDialog::ExistingFile);
    Dialog.setDefaultSuffix(QString(FDefaultExt).remove(0, FDefaultExt.startsWith(u'.') ? 1 : 0));
}

QString TOpenDialog::InitialSelection() const
{
    return QFileInfo(FFileName).fileName();
}

QString TOpenDialog::ChosenFileName(const QString &Path) const
{
    return Path;
}

TSaveDialog::TSaveDialog(TComponent *AOwner) : TOpenDialog(AOwner)
{
}

void TSaveDialog::SetUpDialog(QFileDialog &Dialog) const
{
    // Save mode asks before an existing file is replaced.
    Dialog.setAcceptMode(QFileDialog::AcceptSave);
    Dialog.setDefaultSuffix(DefaultExt());
}

QString TSaveDialog::InitialSelection() const
{
    // A document saved again under another name starts beside itself, so the replace question can only
    // name the document's own file, never a namesake in the default folder.
    if (QFileInfo(FileName()).isAbsolute())
        return FileName();
    return QDir(InitialDir()).filePath(QFileInfo(FileName()).fileName());
}

QString TSaveDialog::ChosenFileName(const QString &Path) const
{
    return QDir::toNativeSeparators(Path);
}

// ---- TFontDialog ----

TFontDialog::TFontDialog(TComponent *AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>())
{
}

TFontDialog::~TFontDialog() = default;

bool TFontDialog::Execute()
{
    if (Handler())
        return Handler()(this);
    if (Headless())
        return false;
    QFontDialog dialog(FFont->ToQFont());
    PlaceDialog(&dialog, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QFont chosen = dialog.selectedFont();
    // The family as the user picked it; the height in pixels at the screen's resolution.
    FFont->SetName(chosen.family());
    FFont->SetSize(int(chosen.pointSizeF() + 0.5));
    TFontStyles style;
    if (chosen.bold())
        style |= fsBold;
    if (chosen.italic())
        style |= fsItalic;
    if (chosen.underline())
        style |= fsUnderline;
    if (chosen.strikeOut())
        style |= fsStrikeOut;
    FFont->SetStyle(style);
    return true;
}

// ---- TColorDialog ----

TColorDialog::TColorDialog(TComponent *AOwner) : TComponent(AOwner)
{
}

bool TColorDialog::Execute()
{
    if (Handler())
        return Handler()(this);
    if (Headless())
        return false;
    QColorDialog dialog(ColorToQColor(FColor));
    PlaceDialog(&dialog, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid())
        return false;
    FColor = QColorToColor(chosen);
    return true;
}

// ---- Page and printer set-up ----

TPageSetupDialog::TPageSetupDialog(TComponent *AOwner) : TComponent(AOwner)
{
}

bool TPageSetupDialog::Execute()
{
    if (Handler())
        return Handler()(this);
    if (Headless())
        return false;
    QPageSetupDialog dialog(Printer()->QtPrinter());
    PlaceDialog(&dialog, this);
    return dialog.exec() == QDialog::Accepted;
}

TPrinterSetupDialog::TPrinterSetupDialog(TComponent *AOwner) : TComponent(AOwner)
{
}

bool TPrinterSetupDialog::Execute()
{
    if (Handler())
        return Handler()(this);
    if (Headless())
        return false;
    QPrintDialog dialog(Printer()->QtPrinter());
    PlaceDialog(&dialog, this);
    return dialog.exec() == QDialog::Accepted;
}

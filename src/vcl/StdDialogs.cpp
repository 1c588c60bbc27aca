#include "StdDialogs.h"

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

// ---- TOpenDialog ----

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
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString(FDefaultExt).remove(0, FDefaultExt.startsWith(u'.') ? 1 : 0));
    if (FFilterIndex >= 1 && FFilterIndex <= filters.size())
        dialog.selectNameFilter(filters[FFilterIndex - 1]);
    if (!FFileName.isEmpty())
        dialog.selectFile(QFileInfo(FFileName).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FFileName = dialog.selectedFiles().first();
    const int chosen = filters.indexOf(dialog.selectedNameFilter());
    if (chosen >= 0)
        FFilterIndex = chosen + 1;
    return true;
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
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, FFont->ToQFont(), nullptr);
    if (!ok)
        return false;
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
    const QColor chosen = QColorDialog::getColor(ColorToQColor(FColor), nullptr);
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
    return dialog.exec() == QDialog::Accepted;
}

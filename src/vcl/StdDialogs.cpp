#include "StdDialogs.h"

#include "Dialogs.h"
#include "Forms.h"
#include "PrintDialogs.h"
#include "Printers.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QHash>
#include <QLineEdit>
#include <QListView>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <cmath>

namespace
{
TCommonDialogHandler &Handler()
{
    static TCommonDialogHandler handler;
    return handler;
}

// A font's style name as the fonts give it ("Bold Italic", "Book"), in the words of Qt's translation;
// the name itself when a word of it has no Greek one.
QString GreekStyleName(const QString &Name)
{
    static const QHash<QString, const char *> words = {{QStringLiteral("Regular"), "Normal"},
                                                       {QStringLiteral("Book"), "Normal"},
                                                       {QStringLiteral("Roman"), "Normal"},
                                                       {QStringLiteral("Normal"), "Normal"},
                                                       {QStringLiteral("Bold"), "Bold"},
                                                       {QStringLiteral("Italic"), "Italic"},
                                                       {QStringLiteral("Oblique"), "Oblique"},
                                                       {QStringLiteral("Light"), "Light"},
                                                       {QStringLiteral("Medium"), "Medium"},
                                                       {QStringLiteral("Black"), "Black"},
                                                       {QStringLiteral("Thin"), "Thin"},
                                                       {QStringLiteral("ExtraLight"), "Extra Light"},
                                                       {QStringLiteral("ExtraBold"), "Extra Bold"},
                                                       {QStringLiteral("SemiBold"), "Demi Bold"},
                                                       {QStringLiteral("DemiBold"), "Demi Bold"},
                                                       {QStringLiteral("Condensed"), "Condensed"}};
    QStringList greek;
    for (const QString &word : Name.split(u' ', Qt::SkipEmptyParts)) {
        const auto it = words.constFind(word);
        if (it == words.constEnd())
            return Name;
        greek << (qstrcmp(*it, "Normal") == 0
                      ? QCoreApplication::translate("QFontDatabase", "Normal", "The Normal or Regular font weight")
                      : QCoreApplication::translate("QFontDatabase", *it));
    }
    return greek.isEmpty() ? Name : greek.join(u' ');
}

// Shows the style names of a list in Greek; what the list holds, and what the dialog looks fonts up by,
// stays the fonts' own.
class TGreekStyleDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant &Value, const QLocale &Locale) const override
    {
        return GreekStyleName(QStyledItemDelegate::displayText(Value, Locale));
    }
};

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
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        // A description that already shows its patterns ("Έντυπο ΑΠΔ ΙΚΑ (*.vapd)") is not given them twice.
        const QString shown = QStringLiteral("(%1)").arg(patterns);
        pairs << (parts[i].trimmed().endsWith(shown) ? parts[i].trimmed()
                                                     : QStringLiteral("%1 %2").arg(parts[i], shown));
    }
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
    if (Unattended())
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

void ShowFontDialogInGreek(QFontDialog &Dialog)
{
    for (QListView *list : Dialog.findChildren<QListView *>())
        list->setItemDelegate(new TGreekStyleDelegate(list));
    for (QLineEdit *edit : Dialog.findChildren<QLineEdit *>()) {
        if (edit->isReadOnly()) {
            QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString &text) {
                const QString greek = GreekStyleName(text);
                if (greek != text)
                    edit->setText(greek);
            });
            edit->setText(GreekStyleName(edit->text()));
        } else if (edit->text() == QLatin1String("AaBbYyZz")) {
            edit->setText(QStringLiteral("ΑαΒβΓγΩω"));
        }
    }
}

TFontDialog::TFontDialog(TComponent *AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>())
{
}

TFontDialog::~TFontDialog() = default;

bool TFontDialog::Execute()
{
    if (Handler())
        return Handler()(this);
    if (Unattended())
        return false;
    QFontDialog dialog(StartFont());
    ShowFontDialogInGreek(dialog);
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

QFont TFontDialog::StartFont() const
{
    // The dialog looks the style up in its list by name. Without a name it looks for its own word for
    // the plain style, which in Greek no font lists, and would start on the list's first style (bold
    // italic): confirmed unchanged, the font would come back bold italic.
    QFont font = FFont->ToQFont();
    font.setStyleName(QFontInfo(font).styleName());
    return font;
}

// ---- TColorDialog ----

TColorDialog::TColorDialog(TComponent *AOwner) : TComponent(AOwner)
{
}

bool TColorDialog::Execute()
{
    if (Handler())
        return Handler()(this);
    if (Unattended())
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

QPageLayout TPageSetupDialog::PresetLayout(const QPageLayout &PrinterLayout) const
{
    QPageLayout layout = PrinterLayout;
    if (FPageWidth > 0 && FPageHeight > 0) {
        // Sizes within a fraction of a millimetre of a standard paper are that paper (21010 x 29690 is A4).
        const QSizeF mm(std::min(FPageWidth, FPageHeight) / 100.0, std::max(FPageWidth, FPageHeight) / 100.0);
        layout.setPageSize(QPageSize(mm, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
        layout.setOrientation(FPageWidth > FPageHeight ? QPageLayout::Landscape : QPageLayout::Portrait);
    }
    layout.setUnits(QPageLayout::Millimeter);
    layout.setMinimumMargins(QMarginsF(FMinMarginLeft / 100.0, FMinMarginTop / 100.0, FMinMarginRight / 100.0,
                                       FMinMarginBottom / 100.0));
    layout.setMargins(
        QMarginsF(FMarginLeft / 100.0, FMarginTop / 100.0, FMarginRight / 100.0, FMarginBottom / 100.0));
    return layout;
}

void TPageSetupDialog::Accept(const QPageLayout &Chosen, const QPageLayout &PrinterLayout)
{
    const QRectF page = Chosen.fullRect(QPageLayout::Millimeter);
    const QMarginsF margins = Chosen.margins(QPageLayout::Millimeter);
    const auto hundredths = [](double mm) { return int(std::lround(mm * 100)); };
    FPageWidth = hundredths(page.width());
    FPageHeight = hundredths(page.height());
    FMarginLeft = hundredths(margins.left());
    FMarginTop = hundredths(margins.top());
    FMarginRight = hundredths(margins.right());
    FMarginBottom = hundredths(margins.bottom());
    QPageLayout printer = PrinterLayout;
    printer.setPageSize(Chosen.pageSize());
    printer.setOrientation(Chosen.orientation());
    Printer()->QtPrinter()->setPageLayout(printer);
}

bool TPageSetupDialog::Execute()
{
    if (Handler())
        return Handler()(this);
    if (Unattended())
        return false;
    QPrinter *printer = Printer()->QtPrinter();
    const QPageLayout before = printer->pageLayout();
    printer->setPageLayout(PresetLayout(before));
    QPageSetupDialog dialog(printer);
    dialog.setWindowTitle(QStringLiteral("Ρύθμιση σελίδας"));
    PlaceDialog(&dialog, this);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    const QPageLayout chosen = printer->pageLayout();
    printer->setPageLayout(before);
    if (confirmed)
        Accept(chosen, before);
    return confirmed;
}

TPrinterSetupDialog::TPrinterSetupDialog(TComponent *AOwner) : TComponent(AOwner)
{
}

void TPrinterSetupDialog::SetUp(QPrintDialog &Dialog)
{
    Dialog.setWindowTitle(QStringLiteral("Ρύθμιση εκτυπωτή"));
    Dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // Page range and copies belong to a print job, not to the printer's set-up.
    auto *tabs = Dialog.findChild<QTabWidget *>(QStringLiteral("tabs"));
    auto *copies = Dialog.findChild<QWidget *>(QStringLiteral("copiesTab"));
    if (tabs && copies && tabs->indexOf(copies) >= 0)
        tabs->removeTab(tabs->indexOf(copies));
    if (auto *buttons = Dialog.findChild<QDialogButtonBox *>())
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
}

bool TPrinterSetupDialog::Execute()
{
    if (Handler())
        return Handler()(this);
    if (Unattended())
        return false;
    QPrintDialog dialog(Printer()->QtPrinter());
    SetUp(dialog);
    PlaceDialog(&dialog, this);
    return ExecPrinterDialog(dialog) == QDialog::Accepted;
}

#include "DiskLabelF.h"

#include "XForms/XForms.h"
#include "printing/XPrinters.h"
#include "vcl/ComponentStream.h"

#include <memory>

TDiskLabel *DiskLabel = nullptr;

// The form resource lives in this static library; the linker keeps it only when it is named.
static void InitDiskLabelResource()
{
    Q_INIT_RESOURCE(DiskLabel);
}

TDiskLabel::TDiskLabel(TComponent *AOwner) : TForm(AOwner)
{
    static const bool registered = [] {
        RegisterClasses<TDiskLabel, TXFrame>();
        return true;
    }();
    (void)registered;
    InitDiskLabelResource();
    if (!InitInheritedComponent(this, &TForm::staticMetaObject))
        throw EStreamError(QStringLiteral("Δεν βρέθηκε η σχεδίαση της ετικέτας δισκέτας."));
    const auto box = [this](const char *name) {
        auto *b = qobject_cast<TXFrame *>(FindComponent(QString::fromLatin1(name)));
        if (!b)
            throw EStreamError(
                QStringLiteral("Η σχεδίαση της ετικέτας δισκέτας δεν έχει το \"%1\".").arg(QLatin1String(name)));
        return b;
    };
    ApdLabel = box("ApdLabel");
    ApdLabel50x70 = box("ApdLabel50x70");
    XFrame2 = box("XFrame2");
    XFrame3 = box("XFrame3");
    XFrame4 = box("XFrame4");
    XFrame5 = box("XFrame5");
    XFrame6 = box("XFrame6");
    XFrame7 = box("XFrame7");
}

QString TDiskLabel::PrintLabel(const QString &AMOE, const QString &AFM, TFont *Font, const QString &Period)
{
    XFrame2->SetCaption(QStringLiteral("Α.Μ.Ο.Ε: ") + AMOE);
    XFrame3->SetCaption(QStringLiteral("Α.Φ.Μ:   ") + AFM);
    XFrame4->SetCaption(QStringLiteral("Περίοδος:") + Period);

    auto printer = std::make_unique<TLPTPrinter>();
    printer->BeginDoc(QString());
    TScopeExit endAfterFailure([&printer] { printer->EndDocAfterFailure(); });
    if (Font)
        ApdLabel->SetFont(Font);
    ApdLabel->PrintInit(MapingUnits[mpLoMetricMaping]);
    IPage *page = printer->GetCurrentPage();
    TRect r = page->GetPageRect();
    ApdLabel->PrintArrange(r);
    // One page, whatever the box's print state says afterwards.
    ApdLabel->Print(page);
    endAfterFailure.Dismiss();
    printer->EndDoc();
    return printer->FileName();
}

QString ShowDiskLabel(const QString &AMOE, const QString &AFM, const QString &Period, TFont *Font)
{
    auto form = std::make_unique<TDiskLabel>(nullptr);
    return form->PrintLabel(AMOE, AFM, Font, Period);
}

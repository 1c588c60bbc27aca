// The label for the diskette that carries the declaration file: a bordered 70 x 50 mm box with the
// employer's Α.Μ.Ο.Ε. and Α.Φ.Μ., the period and the medium count, captioned above and below, printed as
// one page on the system printer.
#pragma once

#include "vcl/Forms.h"

#include "XForms/XForms.h"

// Never shown: holds the label's box tree.
class TDiskLabel : public TForm
{
    Q_OBJECT
    Q_CLASSINFO("FormResource", ":/forms/DiskLabel.dfm")
    Q_PROPERTY(TXFrame *ApdLabel MEMBER ApdLabel STORED false)
    Q_PROPERTY(TXFrame *ApdLabel50x70 MEMBER ApdLabel50x70 STORED false)
    Q_PROPERTY(TXFrame *XFrame2 MEMBER XFrame2 STORED false)
    Q_PROPERTY(TXFrame *XFrame3 MEMBER XFrame3 STORED false)
    Q_PROPERTY(TXFrame *XFrame4 MEMBER XFrame4 STORED false)
    Q_PROPERTY(TXFrame *XFrame5 MEMBER XFrame5 STORED false)
    Q_PROPERTY(TXFrame *XFrame6 MEMBER XFrame6 STORED false)
    Q_PROPERTY(TXFrame *XFrame7 MEMBER XFrame7 STORED false)

public:
    Q_INVOKABLE explicit TDiskLabel(TComponent *AOwner);

    // Fills in the rows and prints the label on one page of a new print job, with no print dialog. Font,
    // when given, is the font of the two captions; the rows keep their own. Answers the file the label was
    // written to when the printer writes files, else the empty text.
    QString PrintLabel(const QString &AMOE, const QString &AFM, TFont *Font, const QString &Period);

    TXFrame *ApdLabel = nullptr;
    TXFrame *ApdLabel50x70 = nullptr;
    TXFrame *XFrame2 = nullptr;
    TXFrame *XFrame3 = nullptr;
    TXFrame *XFrame4 = nullptr;
    TXFrame *XFrame5 = nullptr;
    TXFrame *XFrame6 = nullptr;
    TXFrame *XFrame7 = nullptr;
};

// Prints the label with a form of its own, freed afterwards; answers as PrintLabel.
QString ShowDiskLabel(const QString &AMOE, const QString &AFM, const QString &Period, TFont *Font);

// The instance start-up makes; printing makes and frees its own.
extern TDiskLabel *DiskLabel;

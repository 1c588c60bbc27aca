#include "PrintDialogs.h"

#include "Dialogs.h"
#include "Forms.h"
#include "Printers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

#include <algorithm>

namespace
{
TPrintDialog::THandler &Handler()
{
    static TPrintDialog::THandler handler;
    return handler;
}
} // namespace

namespace
{
// Answers the print dialog's question "<file> already exists. Do you want to overwrite it?" before it shows.
class TReplaceQuestionAnswerer : public QObject
{
public:
    explicit TReplaceQuestionAnswerer(QDialog *Dialog) : FDialog(Dialog)
    {
        const char *source = "%1 already exists.\nDo you want to overwrite it?";
        for (const QString &text : {QCoreApplication::translate("QPrintDialog", source), QString::fromLatin1(source)}) {
            // The text around the file's name, whatever the name.
            QStringList parts = text.split(QStringLiteral("%1"));
            for (QString &part : parts)
                part = QRegularExpression::escape(part);
            FTexts << QRegularExpression(QStringLiteral("^") + parts.join(QStringLiteral(".*")) + QStringLiteral("$"),
                                         QRegularExpression::DotMatchesEverythingOption);
        }
        qApp->installEventFilter(this);
    }
    ~TReplaceQuestionAnswerer() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override
    {
        if (Event->type() != QEvent::Show)
            return false;
        auto *box = qobject_cast<QMessageBox *>(Watched);
        QWidget *asker = box ? box->parentWidget() : nullptr;
        if (!asker || (asker != FDialog && !FDialog->isAncestorOf(asker)))
            return false;
        if (std::none_of(FTexts.begin(), FTexts.end(),
                         [&](const QRegularExpression &re) { return re.match(box->text()).hasMatch(); }))
            return false;
        if (QAbstractButton *yes = box->button(QMessageBox::Yes)) {
            // Never seen: clicked as soon as its own loop runs.
            box->setWindowOpacity(0);
            QMetaObject::invokeMethod(yes, &QAbstractButton::click, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QDialog *FDialog;
    QList<QRegularExpression> FTexts;
};
} // namespace

int ExecPrinterDialog(QPrintDialog &Dialog)
{
    const TReplaceQuestionAnswerer answerer(&Dialog);
    return Dialog.exec();
}

TPrintDialog::TPrintDialog(TComponent *AOwner) : TComponent(AOwner)
{
}

bool TPrintDialog::Execute()
{
    if (Handler())
        return Handler()(this);
    if (Unattended())
        return true;
    QPrintDialog dialog(Printer()->QtPrinter());
    PlaceDialog(&dialog, this);
    return ExecPrinterDialog(dialog) == QDialog::Accepted;
}

TPrintDialog::THandler TPrintDialog::SetHandler(THandler AHandler)
{
    THandler previous = std::move(Handler());
    Handler() = std::move(AHandler);
    return previous;
}

// The export options dialog: how the employer is named in the declaration file, the submission and
// works-stop dates, where the file goes and what is printed in which font. The caller reads the
// controls after an OK; the dialog itself acts on nothing.
#pragma once

#include "vcl/ComCtrls.h"
#include "vcl/Dialogs.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"
#include "vcl/StdDialogs.h"

// Asked of a component in a state where the request makes no sense.
class EInvalidOperation : public Exception
{
    using Exception::Exception;
};

class TeApdOptions : public TForm
{
    Q_OBJECT
    Q_PROPERTY(TNotifyEvent OnCreate MEMBER OnCreate)
    Q_CLASSINFO("FormResource", ":/forms/eApdOptions.dfm")

public:
    Q_INVOKABLE explicit TeApdOptions(TComponent *AOwner);

    TLabel *Label7 = nullptr;
    TDateTimePicker *DateTimePicker1 = nullptr;
    TPanel *pnlStop = nullptr;
    TLabel *Label8 = nullptr;
    TDateTimePicker *DateTimePicker2 = nullptr;
    TGroupBox *GroupBox1 = nullptr;
    TRadioButton *RadioButton1 = nullptr;
    TRadioButton *RadioButton2 = nullptr;
    TPanel *Panel1 = nullptr;
    TEdit *Edit1 = nullptr;
    TPanel *Panel2 = nullptr;
    TEdit *Edit2 = nullptr;
    TEdit *Edit3 = nullptr;
    TEdit *Edit4 = nullptr;
    TGroupBox *GroupBox3 = nullptr;
    TCheckBox *CheckBox1 = nullptr;
    TCheckBox *CheckBox2 = nullptr;
    TComboBox *FontName = nullptr;
    TCheckBox *FontBold = nullptr;
    TComboBox *FontSize = nullptr;
    TGroupBox *GroupBox2 = nullptr;
    TCheckBox *CheckBox3 = nullptr;
    TButton *Button3 = nullptr;
    TEdit *Edit5 = nullptr;
    TCheckBox *CheckBox4 = nullptr;
    TButton *Button1 = nullptr;
    TButton *Button2 = nullptr;
    TSaveDialog *SaveDialog1 = nullptr;

    // Edit1 takes the whole name; Edit2, Edit3 and Edit4 its first word, second word and the rest.
    void SetEmployerName(const QString &Name);
    // Name piece 0, 1 or 2 of the employer in the declaration file: the company name and two empty pieces
    // for a legal person, surname, first name and father's name for a natural person.
    QString GetNamePart(int Index) const;
    // Takes the first word off S: the text before the first blank (all of S when it has none); S keeps
    // what follows that one blank.
    static QString SplitWord(QString &S);
    // The meaning of a diskette path here: "a:\name" is the file name on the first removable medium
    // (the home folder when none is mounted); any other path stays as it is.
    static QString LocalPath(const QString &Path);

    Q_INVOKABLE void FormCreate(TObject *Sender);
    Q_INVOKABLE void RadioButton1Click(TObject *Sender);
    Q_INVOKABLE void Button3Click(TObject *Sender);
    void FillFontList();
};

// The instance made at start-up (each export makes and frees its own).
extern TeApdOptions *eApdOptions;

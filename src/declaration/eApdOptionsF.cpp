#include "declaration/eApdOptionsF.h"

#include "platform/Platform.h"
#include "vcl/ComponentStream.h"

#include <QDir>
#include <QFileInfo>

namespace
{
template <typename T> T *Component(TComponent *root, const char *name)
{
    auto *c = qobject_cast<T *>(root->FindComponent(QString::fromLatin1(name)));
    if (!c)
        throw EStreamError(
            QStringLiteral("Η σχεδίαση του παραθύρου επιλογών δεν έχει το \"%1\".").arg(QLatin1String(name)));
    return c;
}
} // namespace

// The form resource lives in this static library; the linker keeps it only when it is named.
static void InitOptionsResource()
{
    Q_INIT_RESOURCE(eApdOptions);
}

TeApdOptions *eApdOptions = nullptr;

TeApdOptions::TeApdOptions(TComponent *AOwner) : TForm(AOwner)
{
    RegisterClasses<TLabel, TEdit, TPanel, TButton, TCheckBox, TRadioButton, TGroupBox, TComboBox, TDateTimePicker>();
    RegisterClass(&TSaveDialog::staticMetaObject);
    InitOptionsResource();
    if (!InitInheritedComponent(this, &TForm::staticMetaObject))
        throw EStreamError(QStringLiteral("Δεν βρέθηκε η σχεδίαση του παραθύρου επιλογών."));
    Label7 = Component<TLabel>(this, "Label7");
    DateTimePicker1 = Component<TDateTimePicker>(this, "DateTimePicker1");
    pnlStop = Component<TPanel>(this, "pnlStop");
    Label8 = Component<TLabel>(this, "Label8");
    DateTimePicker2 = Component<TDateTimePicker>(this, "DateTimePicker2");
    GroupBox1 = Component<TGroupBox>(this, "GroupBox1");
    RadioButton1 = Component<TRadioButton>(this, "RadioButton1");
    RadioButton2 = Component<TRadioButton>(this, "RadioButton2");
    Panel1 = Component<TPanel>(this, "Panel1");
    Edit1 = Component<TEdit>(this, "Edit1");
    Panel2 = Component<TPanel>(this, "Panel2");
    Edit2 = Component<TEdit>(this, "Edit2");
    Edit3 = Component<TEdit>(this, "Edit3");
    Edit4 = Component<TEdit>(this, "Edit4");
    GroupBox3 = Component<TGroupBox>(this, "GroupBox3");
    CheckBox1 = Component<TCheckBox>(this, "CheckBox1");
    CheckBox2 = Component<TCheckBox>(this, "CheckBox2");
    FontName = Component<TComboBox>(this, "FontName");
    FontBold = Component<TCheckBox>(this, "FontBold");
    FontSize = Component<TComboBox>(this, "FontSize");
    GroupBox2 = Component<TGroupBox>(this, "GroupBox2");
    CheckBox3 = Component<TCheckBox>(this, "CheckBox3");
    Button3 = Component<TButton>(this, "Button3");
    Edit5 = Component<TEdit>(this, "Edit5");
    CheckBox4 = Component<TCheckBox>(this, "CheckBox4");
    Button1 = Component<TButton>(this, "Button1");
    Button2 = Component<TButton>(this, "Button2");
    SaveDialog1 = Component<TSaveDialog>(this, "SaveDialog1");
    OnCreate(this);
}

void TeApdOptions::FormCreate(TObject *)
{
    DateTimePicker1->SetDate(Date());
    Edit5->SetText(LocalPath(Edit5->GetText()));
    FillFontList();
}

QString TeApdOptions::SplitWord(QString &S)
{
    const qsizetype blank = S.indexOf(u' ');
    if (blank < 0) {
        QString word = S;
        S.clear();
        return word;
    }
    QString word = S.left(blank);
    S = S.mid(blank + 1);
    return word;
}

void TeApdOptions::SetEmployerName(const QString &Name)
{
    Edit1->SetText(Name);
    QString s = Name;
    Edit2->SetText(SplitWord(s));
    Edit3->SetText(SplitWord(s));
    Edit4->SetText(s);
}

QString TeApdOptions::GetNamePart(int Index) const
{
    if (RadioButton1->Checked())
        return Index == 0 ? Edit1->GetText() : QString();
    if (RadioButton2->Checked()) {
        switch (Index) {
        case 0:
            return Edit2->GetText();
        case 1:
            return Edit3->GetText();
        case 2:
            return Edit4->GetText();
        default:
            return QString();
        }
    }
    throw EInvalidOperation(QStringLiteral("Δεν έχει επιλεγεί είδος εργοδότη."));
}

void TeApdOptions::RadioButton1Click(TObject *Sender)
{
    Panel1->SetVisible(RadioButton1->Checked());
    Panel2->SetVisible(RadioButton2->Checked());
    if (Sender == RadioButton2)
        SetEmployerName(Edit1->GetText());
    else
        Edit1->SetText(Edit2->GetText() + u' ' + Edit3->GetText() + u' ' + Edit4->GetText());
}

void TeApdOptions::FillFontList()
{
    TStrings *items = FontName->Items();
    items->BeginUpdate();
    for (const QString &face : Screen()->Fonts())
        items->Add(face);
    // The list is sorted once it is filled.
    if (auto *list = qobject_cast<TStringList *>(items))
        list->SetSorted(true);
    items->EndUpdate();
}

void TeApdOptions::Button3Click(TObject *)
{
    const QString path = LocalPath(Edit5->GetText());
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    SaveDialog1->SetInitialDir(slash < 0 ? QString() : path.left(slash + 1));
    SaveDialog1->SetFileName(QStringLiteral("CSC01"));
    if (SaveDialog1->Execute())
        Edit5->SetText(SaveDialog1->FileName());
}

QString TeApdOptions::LocalPath(const QString &Path)
{
    if (Path.size() >= 3 && Path[0].toLower() == u'a' && Path[1] == u':' && (Path[2] == u'\\' || Path[2] == u'/'))
        return QDir::toNativeSeparators(QDir(Platform::RemovableMediaFolder()).filePath(Path.mid(3)));
    return Path;
}
